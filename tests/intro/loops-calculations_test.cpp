// The calculating loop programs through pipes: perfect numbers against a
// divisor sieve, the two formulas, the table of factorials, the subtraction
// gcd against the library's gcd, and the statistics of typed numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

const std::string enrere28(28, '\b');

// ---------------------------------------------------------------------------
// perfect-numbers

const std::string numero = "Entra un numero: ";
const std::string cua = "               \nFin";

// The whole output for a limit: perfect numbers from a sieve of divisor sums.
std::string perfectes(int limit) {
  std::vector<long long> suma(static_cast<std::size_t>(limit > 0 ? limit + 1 : 1), 0);
  for (int d = 1; d <= limit / 2; d++)
    for (int m = 2 * d; m <= limit; m += d) suma[static_cast<std::size_t>(m)] += d;
  std::string r = numero;
  char tros[64];
  for (int x = 2; x <= limit; x++) {
    if (suma[static_cast<std::size_t>(x)] == x) {
      std::snprintf(tros, sizeof tros, "%20d\n", x);
      r += tros;
    }
    float percentatge = static_cast<float>(x) / static_cast<float>(limit) * 100.0f;
    std::snprintf(tros, sizeof tros, "%6.2f%% (%d)", static_cast<double>(percentatge), x);
    r += tros + enrere28;
  }
  return r + cua;
}

TEST(PerfectNumbers, AgainstADivisorSieve) {
  std::vector<Cas> casos;
  for (int limit : {30, 0, 1, 2, 7, 496, 10000})
    casos.push_back(
        {.nom = std::to_string(limit), .entrada = std::to_string(limit) + "\n", .sortida = perfectes(limit)});
  casos.push_back({.nom = "negatives and non-numbers are asked again",
                   .entrada = "-1\nx\n-2147483648\n6\n",
                   .sortida = numero + numero + numero + perfectes(6)});
  casos.push_back({.nom = "end of input", .entrada = "-5\n", .sortida = numero + numero});
  prova::comprova("perfect-numbers", casos);
}

TEST(PerfectNumbers, FixedTexts) {
  // 30: 6 and 28 in 20 columns, the progress ending at 100.00%.
  std::string treinta = perfectes(30);
  EXPECT_NE(treinta.find(std::string(19, ' ') + "6\n 20.00% (6)" + enrere28), std::string::npos);
  EXPECT_NE(treinta.find(std::string(18, ' ') + "28\n 93.33% (28)" + enrere28), std::string::npos);
  EXPECT_EQ(prova::visible(treinta.substr(treinta.size() - 12 - 28 - cua.size())),
            prova::visible("100.00% (30)" + enrere28 + cua));
  // 0 and 1 run no test.
  EXPECT_EQ(perfectes(1), numero + cua);
  // The percentage in single precision: 6 / 40000 is 0.015, which rounds up
  // in float (0.0150000006) and down in double.
  prova::CarpetaTemporal carpeta;
  prova::Resultat r = prova::executa({.programa = "perfect-numbers", .entrada = "40000\n", .carpeta = carpeta.cami()});
  EXPECT_NE(r.sortida.find(enrere28 + std::string(19, ' ') + "6\n  0.02% (6)" + enrere28), std::string::npos);
  EXPECT_NE(r.sortida.find(std::string(16, ' ') + "8128\n 20.32% (8128)"), std::string::npos);
  EXPECT_EQ(r.sortida, perfectes(40000));
}

// ---------------------------------------------------------------------------
// factorial-table, factorial-sum, harmonic-sum

TEST(FactorialTable, TheSameTenLinesTwice) {
  const std::string deu =
      "Factorial de 1 es: 1\nFactorial de 2 es: 2\nFactorial de 3 es: 6\nFactorial de 4 es: 24\n"
      "Factorial de 5 es: 120\nFactorial de 6 es: 720\nFactorial de 7 es: 5040\nFactorial de 8 es: 40320\n"
      "Factorial de 9 es: 362880\nFactorial de 10 es: 3628800\n";
  prova::comprova("factorial-table", {{.nom = "no input", .entrada = "", .sortida = deu + deu}});
}

TEST(FactorialSum, AFormulaUpTo12) {
  auto formula = [](int n) {
    std::string r = tope + "\n\nResultat = ";
    long long suma = 0, f = 1;
    for (int x = 1; x <= n; x++) {
      f *= x;
      suma += f;
      r += "(" + std::to_string(x) + "!) + ";
    }
    return r + "\b\b= " + std::to_string(suma);
  };
  std::vector<Cas> casos = {
      {.nom = "1", .entrada = "1\n", .sortida = tope + "\n\nResultat = (1!) + \b\b= 1"},
      {.nom = "3", .entrada = "3\n", .sortida = tope + "\n\nResultat = (1!) + (2!) + (3!) + \b\b= 9"},
      {.nom = "13, 20, 100 and 0 are asked again",
       .entrada = "13\n20\n100\n0\n2\n",
       .sortida = tope + tope + tope + tope + formula(2)},
      {.nom = "-2 and -2147483647 are asked again",
       .entrada = "-2\n-2147483647\n1\n",
       .sortida = tope + tope + tope + "\n\nResultat = (1!) + \b\b= 1"},
      {.nom = "end of input after 13", .entrada = "13\n", .sortida = tope + tope},
  };
  for (int n = 1; n <= 12; n++)
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = formula(n)});
  prova::comprova("factorial-sum", casos);
  EXPECT_EQ(formula(12).substr(formula(12).size() - 9), "522956313");
}

TEST(HarmonicSum, AFormulaWithTheSumInSixDigits) {
  auto formula = [](int n) {
    std::string r = tope + "\n\nResultat = ";
    double suma = 0.0;
    for (int x = 1; x <= n; x++) {
      suma += 1.0 / x;
      r += "(1 / " + std::to_string(x) + ") + ";
    }
    char valor[32];
    std::snprintf(valor, sizeof valor, "%g", suma);
    return r + "\b\b= " + valor;
  };
  std::vector<Cas> casos = {
      {.nom = "1", .entrada = "1\n", .sortida = tope + "\n\nResultat = (1 / 1) + \b\b= 1"},
      {.nom = "2", .entrada = "2\n", .sortida = tope + "\n\nResultat = (1 / 1) + (1 / 2) + \b\b= 1.5"},
      {.nom = "3", .entrada = "3\n", .sortida = tope + "\n\nResultat = (1 / 1) + (1 / 2) + (1 / 3) + \b\b= 1.83333"},
      {.nom = "0, -2 and -2147483647 are asked again",
       .entrada = "0\n-2\n-2147483647\n1\n",
       .sortida = tope + tope + tope + tope + "\n\nResultat = (1 / 1) + \b\b= 1"},
      {.nom = "end of input after a refusal", .entrada = "-2\n", .sortida = tope + tope},
  };
  for (int n : {10, 100, 1000})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = formula(n)});
  prova::comprova("harmonic-sum", casos);
  EXPECT_EQ(formula(1000).substr(formula(1000).size() - 7), "7.48547");
}

// ---------------------------------------------------------------------------
// gcd-subtraction

TEST(GcdSubtraction, AgainstTheLibraryGcd) {
  std::vector<std::pair<int, int>> parelles = {{12, 18},
                                               {18, 12},
                                               {7, 7},
                                               {1, 100000},
                                               {100000, 1},
                                               {1, 2147483647},
                                               {2147483647, 1},
                                               {2147483647, 2147483646},
                                               {2147483646, 1073741823},
                                               {1836311903, 1134903170},
                                               {46368, 75025},
                                               {1000000007, 998244353},
                                               {360, 840},
                                               {65536, 98304}};
  std::vector<Cas> casos;
  for (auto [a, b] : parelles)
    casos.push_back({.nom = std::to_string(a) + " " + std::to_string(b),
                     .entrada = std::to_string(a) + " " + std::to_string(b) + "\n",
                     .sortida = parella + "\n...el mcd es " + std::to_string(std::gcd(a, b))});
  casos.push_back({.nom = "0 5, -4 6 and 0 0 are asked again, then 12 18",
                   .entrada = "0 5\n-4 6\n0 0\n12 18\n",
                   .sortida = parella + parella + parella + parella + "\n...el mcd es 6"});
  casos.push_back({.nom = "5 0, 4 -6, -4 -6 and a non-number are asked again",
                   .entrada = "5 0\n4 -6\n-4 -6\nabc\n3 9\n",
                   .sortida = parella + parella + parella + parella + parella + "\n...el mcd es 3"});
  casos.push_back({.nom = "both numbers on two lines", .entrada = "12\n18\n", .sortida = parella + "\n...el mcd es 6"});
  casos.push_back({.nom = "end of input after the first number", .entrada = "12\n", .sortida = parella});
  casos.push_back({.nom = "no input", .entrada = "", .sortida = parella});
  prova::comprova("gcd-subtraction", casos);
}

// ---------------------------------------------------------------------------
// number-stats

std::string pon(int k) { return "Pon el numero #" + std::to_string(k) + ": "; }
std::string stats(const char *media, int max, int min) {
  return "\n\nLa media es: " + std::string(media) + ", el maximo es: " + std::to_string(max) +
         ", y el minimo es: " + std::to_string(min);
}

TEST(NumberStats, MeanMaximumAndMinimum) {
  const std::string ningun = "\n\nNo hay ningun numero: no hay media, ni maximo, ni minimo";
  prova::comprova(
      "number-stats",
      {
          {.nom = "5, -2, 8",
           .entrada = "3\n5\n-2\n8\n",
           .sortida = cantidad + pon(1) + pon(2) + pon(3) + stats("3.67", 8, -2)},
          {.nom = "one number", .entrada = "1\n-7\n", .sortida = cantidad + pon(1) + stats("-7.00", -7, -7)},
          {.nom = "all on one line",
           .entrada = "4 1 2 3 4\n",
           .sortida = cantidad + pon(1) + pon(2) + pon(3) + pon(4) + stats("2.50", 4, 1)},
          // In float 2147483647 is 2147483648: the sum is 0, not -1.
          {.nom = "the extreme ints",
           .entrada = "2\n2147483647\n-2147483648\n",
           .sortida = cantidad + pon(1) + pon(2) + stats("0.00", 2147483647, -2147483647 - 1)},
          // The sum is a float: 16777216 + 1 stays 16777216, so the mean is not 8388608.50.
          {.nom = "the sum in single precision",
           .entrada = "2\n16777216\n1\n",
           .sortida = cantidad + pon(1) + pon(2) + stats("8388608.00", 16777216, 1)},
          {.nom = "count 0", .entrada = "0\n", .sortida = cantidad + ningun},
          {.nom = "count -3", .entrada = "-3\n", .sortida = cantidad + ningun},
          {.nom = "a non-number is asked again for the same k",
           .entrada = "2\n5\nabc\n7\n",
           .sortida = cantidad + pon(1) + pon(2) + pon(2) + stats("6.00", 7, 5)},
          {.nom = "a non-number count is asked again",
           .entrada = "dos\n1\n3\n",
           .sortida = cantidad + cantidad + pon(1) + stats("3.00", 3, 3)},
          {.nom = "fewer numbers than the count", .entrada = "2\n5\n", .sortida = cantidad + pon(1) + pon(2)},
          {.nom = "no input", .entrada = "", .sortida = cantidad},
      });
}

}  // namespace
