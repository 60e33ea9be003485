# Runs tabulo-vbs with the C library set to a comma locale, where strtod and
# printf would read and write "1,5": the interpreter must not be misled.
execute_process(COMMAND locale -a OUTPUT_VARIABLE installed)
if(NOT installed MATCHES "it_IT\\.utf-?8")
  message("it_IT.UTF-8 is not installed here; dev/install-deps generates it")
  return() # reported as skipped through the test's SKIP_REGULAR_EXPRESSION
endif()
set(ENV{LC_ALL} it_IT.UTF-8)
execute_process(COMMAND ${VBS} ${SCRIPT} OUTPUT_VARIABLE output RESULT_VARIABLE code)
set(expected "2,5\n3\n2,5E+19\n")
if(NOT code EQUAL 0 OR NOT output STREQUAL expected)
  message(FATAL_ERROR "tabulo-vbs under it_IT.UTF-8 printed (exit ${code}):\n${output}\nexpected:\n${expected}")
endif()
