# Two build options that catch the faults a test alone does not see:
#
#   TABULO_SANITIZE  every target with AddressSanitizer and
#                    UndefinedBehaviorSanitizer; any finding ends the program
#                    with an error, so the test that reached it fails.
#   TABULO_FUZZ      (clang only, implies TABULO_SANITIZE) the libFuzzer
#                    harnesses of everything that reads a user's files, with
#                    every library instrumented for the fuzzer's coverage.
#
# dev/test --sanitize builds both into build-sanitize/ and runs the whole
# suite there; dev/fuzz runs the harnesses.
include_guard(GLOBAL)

option(TABULO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TABULO_FUZZ "Build the libFuzzer harnesses (clang only)" OFF)

if(TABULO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TABULO_FUZZ needs clang (libFuzzer): configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  set(TABULO_SANITIZE ON CACHE BOOL "Build with AddressSanitizer and UndefinedBehaviorSanitizer" FORCE)
endif()

if(TABULO_SANITIZE)
  # No recovery: a report that let the program go on would leave the test
  # green. Frame pointers give whole stacks in the reports.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TABULO_FUZZ)
  # Coverage for the fuzzer in every library; only the harnesses link the
  # fuzzer's own main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# tabulo_add_fuzzer(<name> SOURCES <file>... LIBRARIES <target>... CORPUS <folder>)
#
# One libFuzzer harness and a CTest test that replays its seed corpus (and
# the inputs that once failed), so a seed that crashes fails the sanitizer
# run at once. Longer runs are dev/fuzz's.
function(tabulo_add_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  # dev/fuzz finds each harness's seeds through this list.
  set_property(GLOBAL APPEND PROPERTY TABULO_FUZZERS "${name}=${ARG_CORPUS}")
  add_test(NAME fuzz_seeds_${name} COMMAND ${name} -runs=0 ${ARG_CORPUS})
endfunction()
