# Sanitizer and fuzzing builds.
#   -DVELMORA_SANITIZE=address,undefined   AddressSanitizer (with LeakSanitizer) and
#                                          UndefinedBehaviorSanitizer; any report ends the process
#   -DVELMORA_SANITIZE=thread              ThreadSanitizer
#   -DVELMORA_FUZZ=ON                      the libFuzzer targets of tests/fuzz (clang only; give
#                                          VELMORA_SANITIZE=address,undefined with it)
# Every target of the project is built with them. Every executable links the runtime options of
# tests/sanitizers/SanitizerDefaults.cpp, which name the suppression files beside it, so that the
# options hold wherever the program runs: under ctest, when the test lists are read at build time,
# in the copies the tests start, and by hand.
set(VELMORA_SANITIZE "" CACHE STRING "Sanitizers for every target: address,undefined or thread")
option(VELMORA_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" OFF)

if(VELMORA_SANITIZE)
  set(velmora_sanitize_flags -fsanitize=${VELMORA_SANITIZE} -fno-omit-frame-pointer)
  if(VELMORA_SANITIZE MATCHES "undefined")
    list(APPEND velmora_sanitize_flags -fno-sanitize-recover=undefined)
  endif()
  add_compile_options(${velmora_sanitize_flags})
  add_link_options(${velmora_sanitize_flags})

  add_library(velmora_sanitizer_defaults OBJECT
              ${PROJECT_SOURCE_DIR}/tests/sanitizers/SanitizerDefaults.cpp)
  target_compile_definitions(velmora_sanitizer_defaults PRIVATE
      VELMORA_SUPPRESSIONS_DIR="${PROJECT_SOURCE_DIR}/tests/sanitizers")
  link_libraries("$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:velmora_sanitizer_defaults>")
endif()

if(VELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORA_FUZZ needs clang (libFuzzer): CXX=clang++-14")
  endif()
  # Coverage for the fuzzer in every library a target links; the targets add the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
