# Renders the manual IN as plain text with GROFF, into OUT as Windows text.
execute_process(COMMAND ${GROFF} -mandoc -Tascii -P-cbou ${IN}
  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
