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
