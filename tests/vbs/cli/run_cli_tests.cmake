# tabulo-vbs end to end: arguments reach the script, WScript.Quit sets the exit code,
# a failing script prints FILE(line, column) and the error on standard error, exit 1.
function(expect_equal what actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    message(FATAL_ERROR "${what}: expected [${wanted}], got [${actual}]")
  endif()
endfunction()

execute_process(COMMAND ${TOOL} ${SCRIPTS}/args.vbs one "two words"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("exit code of Quit" "${code}" "2")
expect_equal("arguments" "${out}" "arg:one\narg:two words\n")

execute_process(COMMAND ${TOOL} ${SCRIPTS}/fails.vbs
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("exit code of a failure" "${code}" "1")
expect_equal("output before the failure" "${out}" "before\n")
expect_equal("error message" "${err}" "${SCRIPTS}/fails.vbs(2, 1) Microsoft VBScript runtime error: Type mismatch\n")

execute_process(COMMAND ${TOOL} ${SCRIPTS}/does-not-exist.vbs
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("exit code of a missing file" "${code}" "1")

# The regional settings come from the environment. The C and POSIX locales choose
# nothing, so the US conventions hold: "$" before the amount, True and False.
foreach(locale C POSIX)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} ${TOOL} ${SCRIPTS}/regional.vbs
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_equal("output under LC_ALL=${locale}" "${out}" "$1,234.50|($2.00)\nTrue|False|1.5\n-1 0\n")
endforeach()
# Italian settings give Italian words and money; Echo still shows a Boolean as -1.
# (dev/install-deps generates it_IT.UTF-8; a machine without it skips this part.)
execute_process(COMMAND locale -a OUTPUT_VARIABLE installed)
if(installed MATCHES "it_IT\\.utf-?8")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=it_IT.UTF-8 ${TOOL} ${SCRIPTS}/regional.vbs
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_equal("output under LC_ALL=it_IT.UTF-8" "${out}" "€ 1.234,50|-€ 2,00\nVero|Falso|1,5\n-1 0\n")
else()
  message(WARNING "it_IT.UTF-8 is not installed: the Italian part of this test did not run")
endif()
