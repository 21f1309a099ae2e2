// Speed of the six sorts of the array library on 10,000 random elements.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "taules.h"

namespace {

template <void (*ordena)(int *, int)>
void ordena_deu_mil(benchmark::State &estat) {
  std::mt19937 gen(1);
  std::vector<int> original(10000);
  for (int &x : original) x = static_cast<int>(gen());
  for (auto _ : estat) {
    std::vector<int> v = original;
    ordena(v.data(), static_cast<int>(v.size()));
    benchmark::DoNotOptimize(v.data());
  }
}
BENCHMARK(ordena_deu_mil<seleccio_directa>)->Unit(benchmark::kMillisecond);
BENCHMARK(ordena_deu_mil<insercio_directa>)->Unit(benchmark::kMillisecond);
BENCHMARK(ordena_deu_mil<metode_bombolla>)->Unit(benchmark::kMillisecond);
BENCHMARK(ordena_deu_mil<seleccio_directa_descendent>)->Unit(benchmark::kMillisecond);
BENCHMARK(ordena_deu_mil<insercio_directa_descendent>)->Unit(benchmark::kMillisecond);
BENCHMARK(ordena_deu_mil<metode_bombolla_descendent>)->Unit(benchmark::kMillisecond);

}  // namespace
