# Windows build: the program, its core tests run under Wine, the end-to-end driver and
# the whole-program benchmarks.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# One self-contained .exe: no runtime DLLs beyond what Windows ships.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
add_compile_options(-ffunction-sections -fdata-sections)

add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/feiche.ico
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${CMAKE_CURRENT_BINARY_DIR}/feiche.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py
  COMMENT "Drawing the icon")
set_source_files_properties(src/win32/resources.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/feiche.ico;${CMAKE_SOURCE_DIR}/src/win32/app.manifest"
  COMPILE_FLAGS "-I ${CMAKE_CURRENT_BINARY_DIR} -I ${CMAKE_SOURCE_DIR}/src/win32")

add_executable(feiche-calc WIN32
  src/win32/main.cpp
  src/win32/view.cpp
  src/win32/fonts.cpp
  src/win32/utf16.cpp
  src/win32/win32_platform.cpp
  src/win32/resources.rc)
target_link_options(feiche-calc PRIVATE -municode -s)
target_link_libraries(feiche-calc PRIVATE feiche_core comctl32 gdi32)

# GoogleTest from the Debian source package, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The same core tests, on Windows: conversions must give the same digits there.
add_executable(core_tests_win
  tests/numeric_text_test.cpp
  tests/form_test.cpp
  tests/experience_page_test.cpp
  tests/target_page_test.cpp
  tests/window_test.cpp
  tests/clock_text_test.cpp)
target_link_libraries(core_tests_win PRIVATE feiche_core gtest_main)
add_test(NAME core_tests_on_windows COMMAND core_tests_win)

add_subdirectory(tests/e2e)

# Whole-program benchmarks (scripts/bench).
add_executable(minimal_window WIN32 bench/minimal_window.cpp)
target_link_options(minimal_window PRIVATE -municode -s)
add_executable(program_bench bench/program_bench.cpp)
target_link_libraries(program_bench PRIVATE e2e_driver)
target_link_options(program_bench PRIVATE -municode)
add_dependencies(program_bench feiche-calc minimal_window)
