cmake_minimum_required(VERSION 3.25)
# Every C++ file of the tree is as clang-format (the .clang-format at the
# top) makes it, so a change never mixes a fix with a reformatting.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/vbs/*.cpp ${ROOT}/vbs/*.h ${ROOT}/core/*.cpp ${ROOT}/core/*.h ${ROOT}/script/*.cpp ${ROOT}/script/*.h
     ${ROOT}/ui/*.cpp ${ROOT}/ui/*.h ${ROOT}/windows/*.cpp ${ROOT}/windows/*.h ${ROOT}/app/*.cpp ${ROOT}/app/*.h
     ${ROOT}/launcher/*.cpp ${ROOT}/launcher/*.h ${ROOT}/packaging/*.cpp ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error:[^\n]*" lines "${complaints}")
  list(JOIN lines "\n  " listing)
  message(FATAL_ERROR "Files that clang-format would change (run clang-format -i on them):\n  ${listing}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files are formatted")
