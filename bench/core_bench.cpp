// Core figures: conversions and the heaviest recomputation (levels 1 to 201).
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "calc/numeric_text.h"

namespace {

class NullPlatform : public ui::Platform {
 public:
  void message(std::string_view, std::string_view) override {}
  ui::LocalTime now() override { return {2026, 12, 11, 8, 59, 55}; }
  void open(std::string_view) override {}
};

void BM_NumberOf(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calc::numberOf("87462170.123456"));
}
BENCHMARK(BM_NumberOf);

void BM_TextOf(benchmark::State& state) {
  double value = 4373.1085;
  for (auto _ : state) benchmark::DoNotOptimize(calc::textOf(value));
}
BENCHMARK(BM_TextOf);

void BM_FullRangeRecomputation(benchmark::State& state) {
  NullPlatform platform;
  app::App app(platform);
  app.form().windowCreated();
  app.form().edited("编辑框1", "1");
  for (auto _ : state) app.form().edited("编辑框2", "201");
}
BENCHMARK(BM_FullRangeRecomputation);

void BM_StartUp(benchmark::State& state) {
  NullPlatform platform;
  for (auto _ : state) {
    app::App app(platform);
    app.form().windowCreated();
    benchmark::DoNotOptimize(app.levelTable().size());
  }
}
BENCHMARK(BM_StartUp);

}  // namespace
