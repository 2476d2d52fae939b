# The Windows build: a native Win32 program over the shared core/, with the Windows code in
# rooms of its own (platform/win32, ui/win32, app/win32, tests/win32). Included by the top
# CMakeLists.txt when cross-building with cmake/mingw-w64-x86_64.cmake; Qt is not used.

add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(VELMORA_WERROR)
  target_compile_options(velmora_warnings INTERFACE -Werror)
endif()

# Wide-character Win32 interfaces throughout, and Windows 7 as the oldest target.
add_library(velmora_win32_defs INTERFACE)
target_compile_definitions(velmora_win32_defs INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                                                        NOMINMAX _WIN32_WINNT=0x0601)

add_subdirectory(core)
target_compile_options(velmora_core PRIVATE -Wconversion -Wsign-conversion)

add_subdirectory(platform/win32)
add_subdirectory(ui/win32)
add_subdirectory(app/win32)
add_subdirectory(packaging/windows)

if(VELMORA_BUILD_TESTS)
  enable_testing()
  include(cmake/WindowsTests.cmake)
endif()
