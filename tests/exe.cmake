# Checks that EXE is a Windows console program of BITS bits (32 or 64) that
# needs no DLL beyond the system's own (ADVAPI32.dll gives the stack
# protector its random canary), that it keeps ASLR and a non-executable stack
# and heap, and that it carries VERSION and a manifest that asks for no
# elevation.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]*" dlls "${dump}")
list(SORT dlls CASE INSENSITIVE)
if(NOT dlls STREQUAL "DLL Name: ADVAPI32.dll;DLL Name: KERNEL32.dll;DLL Name: msvcrt.dll")
  message(FATAL_ERROR "imports: ${dlls}")
endif()
set(format pei-i386)
if(BITS EQUAL 64)
  set(format pei-x86-64)
endif()
if(NOT dump MATCHES "file format ${format}" OR NOT dump MATCHES "Subsystem[ \t]+00000003")
  message(FATAL_ERROR "not a ${BITS}-bit Windows console program:\n${dump}")
endif()
if(NOT dump MATCHES "DYNAMIC_BASE" OR NOT dump MATCHES "NX_COMPAT")
  message(FATAL_ERROR "no DYNAMIC_BASE or NX_COMPAT:\n${dump}")
endif()

execute_process(COMMAND ${WINDRES} -i ${EXE} -O rc OUTPUT_VARIABLE rc COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "." ", " numbers "${VERSION}")
foreach(want "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0"
    [["FileVersion", "${VERSION}"]] [["ProductVersion", "${VERSION}"]]
    [["OriginalFilename", "sort10.exe"]] [[level=""asInvoker""]])
  string(CONFIGURE "${want}" want)
  string(FIND "${rc}" "${want}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "resources lack '${want}':\n${rc}")
  endif()
endforeach()
