# tabulo_add_qt_test(<name> SOURCES <file>... LIBRARIES <target>...
#                    [LABELS <label>...] [ENVIRONMENT <VAR=value>...])
#
# One QtTest executable registered with CTest. Every test gets the offscreen
# platform and the "C" locale in its environment, so no result depends on the
# machine running it: tests that need a locale pass a QLocale explicitly.
include_guard(GLOBAL)

function(tabulo_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(environment QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=UTC ${ARG_ENVIRONMENT})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
