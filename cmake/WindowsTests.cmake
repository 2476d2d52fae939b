# The Windows test suites: GoogleTest built from Debian's sources (package googletest), every
# executable run by ctest under Wine (the toolchain's emulator).
set(VELMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE) # Win32 threads inside GoogleTest itself
add_subdirectory(${VELMORA_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL SYSTEM)

# velmora_add_test(NAME SOURCES... LIBS libs... [ENV vars...]): one GoogleTest executable,
# run as one ctest test under Wine.
function(velmora_add_test name)
  cmake_parse_arguments(ARG "QT_MAIN" "" "SOURCES;LIBS;ENV" ${ARGN})
  if(ARG_QT_MAIN)
    message(FATAL_ERROR "${name}: no Qt in the Windows build")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main
                                        velmora_warnings)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(ARG_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
endfunction()

add_subdirectory(tests/core)
add_subdirectory(tests/win32)
