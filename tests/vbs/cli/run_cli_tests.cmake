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

# The command line: --version and --help answer on standard output; a bad option or a
# missing file is refused with exit code 2; after the file, everything is the script's.
execute_process(COMMAND ${TOOL} --version RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("--version" "${code}|${out}|${err}" "0|tabulo-vbs ${VERSION}\n|")
execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCH "^usage: tabulo-vbs \\[OPTIONS\\] FILE\\.vbs \\[ARGUMENTS\\.\\.\\.\\]\n" usage "${out}")
expect_equal("--help" "${code}|${err}|${usage}" "0||usage: tabulo-vbs [OPTIONS] FILE.vbs [ARGUMENTS...]\n")
foreach(refused "--frob;${SCRIPTS}/args.vbs" "--timeout=soon;${SCRIPTS}/args.vbs" "--timeout=-5;${SCRIPTS}/args.vbs" "--timeout=100")
  execute_process(COMMAND ${TOOL} ${refused} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REGEX MATCH "^tabulo-vbs: [^\n]+\nusage: " message "${err}")
  if(NOT message)
    message(FATAL_ERROR "${refused}: no message on standard error, got [${err}]")
  endif()
  expect_equal("exit code and output of ${refused}" "${code}|${out}" "2|")
endforeach()
execute_process(COMMAND ${TOOL} --timeout=5000 -- ${SCRIPTS}/args.vbs --help -x
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("options after the file" "${code}|${out}" "2|arg:--help\narg:-x\n")

# Stopped from outside (Ctrl+C, `timeout`) with the output going into a pipe, the
# script still hands over every line it echoed, and the process ends by the signal.
# The signal comes after two seconds: time enough for a busy machine to get going.
find_program(TIMEOUT timeout REQUIRED)
foreach(signal INT TERM)
  execute_process(COMMAND ${TIMEOUT} --preserve-status -s ${signal} 2 ${TOOL} ${SCRIPTS}/endless.vbs
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(signal STREQUAL "INT")
    set(status 130)
  else()
    set(status 143)
  endif()
  expect_equal("lines echoed before SIG${signal}" "${code}|${out}" "${status}|line 1\nline 2\nline 3\n")
endforeach()
# Echoing all the while: the output ends with a whole line, none missing.
execute_process(COMMAND ${TIMEOUT} -s INT 2 ${TOOL} ${SCRIPTS}/endless_echo.vbs
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCH "line ([0-9]+)\n$" last "${out}")
set(lastLine "${CMAKE_MATCH_1}")
if(NOT last OR NOT out MATCHES "^line 1\nline 2\n")
  string(LENGTH "${out}" length)
  message(FATAL_ERROR "output of an echo loop stopped by SIGINT (${length} characters) does not end with a whole line")
endif()
set(expected "")
foreach(i RANGE 1 ${lastLine})
  string(APPEND expected "line ${i}\n")
endforeach()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "output of an echo loop stopped by SIGINT lost lines before line ${lastLine}")
endif()
# Waiting for input: the script ends there, and does not go on as if it had read "".
execute_process(COMMAND sleep 3 COMMAND ${TIMEOUT} --preserve-status -s INT 2 ${TOOL} ${SCRIPTS}/waits_for_input.vbs
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_equal("a script waiting for input, stopped" "${out}" "waiting\n")
# Asleep: the script ends at once, not when WScript.Sleep is over.
string(TIMESTAMP started "%s")
execute_process(COMMAND ${TIMEOUT} --preserve-status -s TERM 2 ${TOOL} ${SCRIPTS}/sleeps.vbs
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(TIMESTAMP ended "%s")
math(EXPR seconds "${ended} - ${started}")
expect_equal("a sleeping script, stopped" "${code}|${out}" "143|asleep\n")
if(seconds GREATER 10)
  message(FATAL_ERROR "a sleeping script took ${seconds} s to stop")
endif()
