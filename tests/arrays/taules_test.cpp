// The array library against the standard algorithms and a model of its
// bisection, and the original generator it draws from.
#include "taules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "util.h"  // intercanvia is shared: both headers in one unit

namespace {

using Ordenacio = void (*)(int *, int);

// The arrays every sort must order: empty, one element, 25 random ones,
// all equal, duplicates, negatives and the ends of int.
std::vector<std::vector<int>> casos_ordenacio() {
  std::mt19937 gen(2024);
  std::vector<std::vector<int>> casos = {{},
                                         {7},
                                         std::vector<int>(25, 4),
                                         {3, 1, 3, 2, 1, 3},
                                         {-5, 0, -5, 9, -100, 2},
                                         {INT_MAX, INT_MIN, 0, INT_MIN, INT_MAX, -1}};
  for (int i = 0; i < 50; i++) {
    std::vector<int> v(static_cast<std::size_t>(gen() % 26));
    for (int &x : v) x = static_cast<int>(gen() % 21) - 10;
    casos.push_back(v);
    std::vector<int> w(25);
    for (int &x : w) x = static_cast<int>(gen());
    casos.push_back(w);
  }
  return casos;
}

TEST(Taules, AscendingSortsMatchStdSort) {
  for (auto [nom, ordena] : {std::pair<const char *, Ordenacio> {"seleccio_directa", seleccio_directa},
                             {"insercio_directa", insercio_directa},
                             {"metode_bombolla", metode_bombolla}})
    for (auto v : casos_ordenacio()) {
      auto esperat = v;
      std::sort(esperat.begin(), esperat.end());
      ordena(v.data(), static_cast<int>(v.size()));
      EXPECT_EQ(v, esperat) << nom;
    }
}

TEST(Taules, DescendingSortsMatchStdSort) {
  for (auto [nom, ordena] :
       {std::pair<const char *, Ordenacio> {"seleccio_directa_descendent", seleccio_directa_descendent},
        {"insercio_directa_descendent", insercio_directa_descendent},
        {"metode_bombolla_descendent", metode_bombolla_descendent}})
    for (auto v : casos_ordenacio()) {
      auto esperat = v;
      std::sort(esperat.begin(), esperat.end(), std::greater<int>());
      ordena(v.data(), static_cast<int>(v.size()));
      EXPECT_EQ(v, esperat) << nom;
    }
}

TEST(Taules, SmallestAndLargestFromAStart) {
  std::vector<int> v = {5, 1, 1};
  EXPECT_EQ(cercar_mes_petit(v.data(), 3, 0), 1);  // the first of equal values
  EXPECT_EQ(cercar_mes_petit(v.data(), 3, 2), 2);  // index_inicial = dim - 1
  std::vector<int> w = {1, 9, 3, 9};
  EXPECT_EQ(cercar_mes_gran(w.data(), 4, 0), 1);
  EXPECT_EQ(cercar_mes_gran(w.data(), 4, 2), 3);
  EXPECT_EQ(cercar_mes_gran(w.data(), 4, 3), 3);
  EXPECT_EQ(cercar_mes_petit(w.data(), 4, 1), 2);
  std::vector<int> extrems = {0, INT_MIN, INT_MAX, INT_MIN};
  EXPECT_EQ(cercar_mes_petit(extrems.data(), 4, 0), 1);
  EXPECT_EQ(cercar_mes_gran(extrems.data(), 4, 0), 2);
}

TEST(Taules, SequentialSearchGivesTheFirstOccurrence) {
  std::vector<int> v = {4, 2, 7, 2, 7};
  EXPECT_EQ(recerca_sequencial(v.data(), 5, 2), 1);
  EXPECT_EQ(recerca_sequencial(v.data(), 5, 7), 2);
  EXPECT_EQ(recerca_sequencial(v.data(), 5, 4), 0);
  EXPECT_EQ(recerca_sequencial(v.data(), 5, 5), -1);
  EXPECT_EQ(recerca_sequencial(v.data(), 0, 4), -1);
}

// Bisection as described: mig = (min + max) / 2 in 64 bits, first equal
// element met on the path; the probes are recorded.
int biseccio(const std::vector<int> &v, int valor, std::vector<int> *sondes = nullptr) {
  std::int64_t min = 0, max = static_cast<std::int64_t>(v.size()) - 1;
  while (min <= max) {
    std::int64_t mig = (min + max) / 2;
    if (sondes) sondes->push_back(static_cast<int>(mig));
    if (v[static_cast<std::size_t>(mig)] > valor)
      max = mig - 1;
    else if (v[static_cast<std::size_t>(mig)] < valor)
      min = mig + 1;
    else
      return static_cast<int>(mig);
  }
  return -1;
}

TEST(Taules, BisectionFollowsItsPath) {
  std::vector<int> v = {1, 3, 5, 7, 9};
  std::vector<int> sondes;
  EXPECT_EQ(recerca_dicotomica(v.data(), 5, 7), 3);
  EXPECT_EQ(biseccio(v, 7, &sondes), 3);
  EXPECT_EQ(sondes, (std::vector<int> {2, 3}));
  sondes.clear();
  EXPECT_EQ(recerca_dicotomica(v.data(), 5, 4), -1);
  EXPECT_EQ(biseccio(v, 4, &sondes), -1);
  EXPECT_EQ(sondes, (std::vector<int> {2, 0, 1}));
  std::vector<int> iguals(25, 6);
  EXPECT_EQ(recerca_dicotomica(iguals.data(), 25, 6), 12);
  EXPECT_EQ(recerca_dicotomica(iguals.data(), 0, 6), -1);
  std::vector<int> extrems = {INT_MIN, 0, INT_MAX};
  EXPECT_EQ(recerca_dicotomica(extrems.data(), 3, INT_MIN), 0);
  EXPECT_EQ(recerca_dicotomica(extrems.data(), 3, INT_MAX), 2);
  EXPECT_EQ(recerca_dicotomica(extrems.data(), 3, 1), -1);
}

TEST(Taules, BisectionOnRandomSortedArrays) {
  std::mt19937 gen(99);
  for (int prova = 0; prova < 300; prova++) {
    std::vector<int> v(static_cast<std::size_t>(gen() % 40));
    for (int &x : v) x = static_cast<int>(gen() % 101);
    std::sort(v.begin(), v.end());
    for (int valor = -1; valor <= 101; valor++) {
      int index = recerca_dicotomica(v.data(), static_cast<int>(v.size()), valor);
      bool hi_es = std::binary_search(v.begin(), v.end(), valor);
      EXPECT_EQ(index == -1, !hi_es) << valor;
      if (index != -1) {
        EXPECT_EQ(v[static_cast<std::size_t>(index)], valor);
      }
      EXPECT_EQ(index, biseccio(v, valor)) << valor;
    }
  }
}

// What the library prints while f runs: standard output is pointed at a
// temporary file meanwhile.
template <class F>
std::string capturat(F f) {
  std::FILE *consola = stdout;
  std::FILE *fitxer = std::tmpfile();
  std::fflush(consola);
  stdout = fitxer;
  f();
  std::fflush(fitxer);
  stdout = consola;
  std::rewind(fitxer);
  std::string text;
  for (int c; (c = std::fgetc(fitxer)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(fitxer);
  return text;
}

TEST(Taules, ShowsACommaList) {
  std::vector<int> v = {3, -1, 20};
  EXPECT_EQ(capturat([&] { mostrar_vector(v.data(), 3); }), "3, -1, 20, \b\b ");
  EXPECT_EQ(capturat([&] { mostrar_vector(v.data(), 1); }), "3, \b\b ");
  EXPECT_EQ(capturat([&] { mostrar_vector(v.data(), 0); }), "\b\b ");
}

TEST(Taules, FillsFromTheGeneratorSeededWithTheSecond) {
  for (auto [min, max] : std::vector<std::pair<int, int>> {{0, 100}, {-5, 5}, {7, 7}, {-128, 126}, {0, 32767}}) {
    for (int intent = 0;; intent++) {
      std::vector<int> v(500);
      std::time_t abans = std::time(nullptr);
      omplir_vector(v.data(), 500, min, max);
      if (std::time(nullptr) != abans && intent < 5) continue;  // the second changed meanwhile
      plataforma::srand(static_cast<unsigned>(abans));
      for (int x : v) {
        EXPECT_GE(x, min);
        EXPECT_LE(x, max);
        EXPECT_EQ(x, plataforma::rand() % (max - min + 1) + min);
      }
      break;
    }
  }
}

TEST(Taules, IntercanviaIsTheSameFunctionInBothHeaders) {
  int a = INT_MIN, b = 42;
  intercanvia(&a, &b);
  EXPECT_EQ(a, 42);
  EXPECT_EQ(b, INT_MIN);
  intercanvia(&a, &a);
  EXPECT_EQ(a, 42);
}

TEST(Generador, TheOriginalSequence) {
  plataforma::srand(1);
  std::vector<int> primers;
  for (int i = 0; i < 10; i++) primers.push_back(plataforma::rand());
  EXPECT_EQ(primers, (std::vector<int> {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
  // Independent model: 32-bit state, bits 16 to 30 of each new state.
  std::uint32_t estat = 12345;
  plataforma::srand(12345);
  int minim = plataforma::rand_max, maxim = 0;
  for (int i = 0; i < 200000; i++) {
    estat = estat * 214013u + 2531011u;
    int r = plataforma::rand();
    ASSERT_EQ(r, static_cast<int>((estat >> 16) & 0x7FFF));
    minim = std::min(minim, r);
    maxim = std::max(maxim, r);
  }
  EXPECT_EQ(minim, 0);
  EXPECT_EQ(maxim, 32767);
}

}  // namespace
