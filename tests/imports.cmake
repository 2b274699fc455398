# Checks that EXE is a 32-bit Windows console program that needs no DLL
# beyond the system's own: KERNEL32.dll and msvcrt.dll.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]*" dlls "${dump}")
list(SORT dlls CASE INSENSITIVE)
if(NOT dlls STREQUAL "DLL Name: KERNEL32.dll;DLL Name: msvcrt.dll")
  message(FATAL_ERROR "imports: ${dlls}")
endif()
if(NOT dump MATCHES "file format pei-i386" OR NOT dump MATCHES "Subsystem[ \t]+00000003")
  message(FATAL_ERROR "not a 32-bit Windows console program:\n${dump}")
endif()
