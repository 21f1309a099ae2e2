// Speed of the number and calendar libraries on their largest inputs.
#include <benchmark/benchmark.h>

#include "data.h"
#include "mates.h"

namespace {

void dies_deu_mil_anys(benchmark::State &estat) {
  for (auto _ : estat) {
    int d = 1, m = 1, a = 1, fd = 31, fm = 12, fa = 9999;
    benchmark::DoNotOptimize(d), benchmark::DoNotOptimize(fa);
    benchmark::DoNotOptimize(dies_transcorreguts(d, m, a, fd, fm, fa));
  }
}
BENCHMARK(dies_deu_mil_anys);

void dia_setmana_any_1(benchmark::State &estat) {
  for (auto _ : estat) {
    int any = 1;
    benchmark::DoNotOptimize(any);
    benchmark::DoNotOptimize(dia_setmana(15, 6, any));
  }
}
BENCHMARK(dia_setmana_any_1);

void arrel_quadrada_gran(benchmark::State &estat) {
  for (auto _ : estat) {
    float n = 2.1e9f;
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(arrel_quadrada(n));
  }
}
BENCHMARK(arrel_quadrada_gran);

void primer_gran(benchmark::State &estat) {
  for (auto _ : estat) {
    int n = 2147483647;  // prime: every divisor up to its root is tried
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(primer(n));
  }
}
BENCHMARK(primer_gran);

void seguent_primer_gran(benchmark::State &estat) {
  for (auto _ : estat) {
    int n = 2147483000;
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(seguent_primer(n));
  }
}
BENCHMARK(seguent_primer_gran);

}  // namespace
