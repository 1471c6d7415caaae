# Native build: the core's unit and behaviour tests, and its benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(core_tests
  tests/numeric_text_test.cpp
  tests/form_test.cpp
  tests/experience_page_test.cpp
  tests/target_page_test.cpp
  tests/window_test.cpp
  tests/clock_text_test.cpp
)
target_link_libraries(core_tests PRIVATE feiche_core GTest::gtest_main)
gtest_discover_tests(core_tests)

if(FEICHE_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(core_bench bench/core_bench.cpp)
  target_link_libraries(core_bench PRIVATE feiche_core benchmark::benchmark_main)
endif()
