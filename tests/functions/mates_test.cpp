// The number library on its edge values, its 32-bit wraps and against
// independent computations.
#include "mates.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "util.h"

namespace {

TEST(Mates, FactorialAndCombinations) {
  EXPECT_EQ(factorial(0), 1);
  EXPECT_EQ(factorial(-3), 1);
  EXPECT_EQ(factorial(1), 1);
  EXPECT_EQ(factorial(12), 479001600);
  // From 13 on, the 32-bit product wraps.
  std::uint32_t p = 1;
  for (std::uint32_t i = 1; i <= 40; i++) {
    p *= i;
    EXPECT_EQ(factorial(static_cast<int>(i)), static_cast<std::int32_t>(p)) << i;
  }
  EXPECT_EQ(factorial(13), 1932053504);
  EXPECT_EQ(factorial(INT_MAX), 0);

  EXPECT_EQ(nombre_combinatori(5, 2), 10);
  EXPECT_EQ(nombre_combinatori(4, 0), 1);
  EXPECT_EQ(nombre_combinatori(4, 4), 1);
  EXPECT_EQ(nombre_combinatori(12, 6), 924);
  EXPECT_EQ(nombre_combinatori(40, 20), 0);  // wrapped divisor of 0: no division by zero
  nombre_combinatori(INT_MAX, -1);           // no overflow either way
}

TEST(Mates, PowerAbsoluteValueAndGcd) {
  EXPECT_EQ(potencia(2.0, 10), 1024.0);
  EXPECT_EQ(potencia(3.0, 0), 1.0);
  EXPECT_EQ(potencia(3.0, -2), 1.0);
  EXPECT_EQ(potencia(-1.5, 3), -3.375);

  EXPECT_EQ(valor_absolut(-2.5), 2.5);
  EXPECT_EQ(valor_absolut(4.0), 4.0);
  EXPECT_TRUE(std::signbit(valor_absolut(-0.0)));  // -0.0 comes back as it went in
  EXPECT_TRUE(std::isnan(valor_absolut(NAN)));

  EXPECT_EQ(mcd(12, 18), 6);
  EXPECT_EQ(mcd(7, 7), 7);
  EXPECT_EQ(mcd(1, 9), 1);
  EXPECT_EQ(mcd(270, 192), 6);
  // Zero and negative arguments end too: absolute values, gcd(0, b) = b.
  EXPECT_EQ(mcd(0, 5), 5);
  EXPECT_EQ(mcd(5, 0), 5);
  EXPECT_EQ(mcd(0, 0), 0);
  EXPECT_EQ(mcd(-12, 18), 6);
  EXPECT_EQ(mcd(-4, -6), 2);
  for (int a = 1; a < 60; a++)
    for (int b = 1; b < 60; b++) EXPECT_EQ(mcd(a, b), std::gcd(a, b));
}

TEST(Mates, PrimesAgainstASieve) {
  constexpr int limit = 20000;
  std::vector<bool> compost(limit + 1, false);
  compost[0] = compost[1] = true;
  for (int i = 2; i * i <= limit; i++)
    if (!compost[i])
      for (int j = i * i; j <= limit; j += i) compost[j] = true;
  for (int n = 0; n <= limit; n++) {
    ASSERT_EQ(primer(n), compost[n] ? 0 : 1) << n;
    ASSERT_EQ(primer(-n), primer(n)) << n;
  }
  EXPECT_EQ(primer(4), 0);
  EXPECT_EQ(primer(2147483647), 1);
  EXPECT_EQ(primer(INT_MIN), 0);

  EXPECT_EQ(seguent_primer(-7), 11);
  EXPECT_EQ(seguent_primer(13), 17);
  EXPECT_EQ(seguent_primer(0), 2);
  EXPECT_EQ(seguent_primer(1), 2);
  EXPECT_EQ(seguent_primer(3), 5);
  for (int n = 0; n < limit - 100; n++) {
    int p = seguent_primer(n);
    ASSERT_GT(p, n);
    ASSERT_FALSE(compost[p]) << n;
    for (int k = n + 1; k < p; k++) ASSERT_TRUE(compost[k]) << n;
  }
  EXPECT_EQ(seguent_primer(2147483629), 2147483647);
  // Above the largest 32-bit prime the result wraps: 2147483659 - 2^32.
  EXPECT_EQ(seguent_primer(INT_MAX), static_cast<int>(2147483659LL - 4294967296LL));
}

TEST(Mates, SquareRootAndPerfectPowers) {
  EXPECT_NEAR(arrel_quadrada(2.0f), 1.41421356237, 1e-10);
  EXPECT_GT(arrel_quadrada(0.0f), 0.0);
  EXPECT_NEAR(arrel_quadrada(0.0f), 7.3e-12, 0.1e-12);
  for (float n : {1.0f, 0.25f, 10.0f, 12345.0f, 1e9f, 2.1e9f, 1e20f, 3e38f})
    EXPECT_NEAR(arrel_quadrada(n), std::sqrt(static_cast<double>(n)), std::sqrt(n) * 1e-12) << n;
  EXPECT_TRUE(std::isnan(arrel_quadrada(-4.0f)));  // no root: it does not loop

  EXPECT_EQ(quadrat_perfecte(49), 1);
  EXPECT_EQ(quadrat_perfecte(81), 1);
  EXPECT_EQ(quadrat_perfecte(50), 0);
  EXPECT_EQ(quadrat_perfecte(0), 0);
  EXPECT_EQ(quadrat_perfecte(-4), 0);
  for (int x = 1; x <= 1000; x++) ASSERT_EQ(quadrat_perfecte(x * x), 1) << x;
  for (int n = 0; n <= 100000; n++) ASSERT_EQ(quadrat_perfecte(n) && n > 0, quadrat_perfecte_alternativa(n)) << n;
}

TEST(Mates, PerfectSquaresAreExactAcrossTheWholeRange) {
  // Above 2^24 a float no longer holds every int: 4096 squared plus 1 is not
  // a square, 4097 squared is.
  EXPECT_EQ(quadrat_perfecte(16777217), 0);
  EXPECT_EQ(quadrat_perfecte(4097 * 4097), 1);
  EXPECT_EQ(quadrat_perfecte(46340 * 46340), 1);  // the largest square in an int
  EXPECT_EQ(quadrat_perfecte(46340 * 46340 + 1), 0);
  EXPECT_EQ(quadrat_perfecte(46340 * 46340 - 1), 0);
  EXPECT_EQ(quadrat_perfecte(2147483647), 0);
  EXPECT_EQ(quadrat_perfecte(-2147483647 - 1), 0);
  EXPECT_EQ(quadrat_perfecte(1), 1);
  // Each square above 2^24 and its two neighbours.
  for (int x = 4097; x <= 46340; x++) {
    ASSERT_EQ(quadrat_perfecte(x * x), 1) << x;
    ASSERT_EQ(quadrat_perfecte(x * x - 1), 0) << x;
    ASSERT_EQ(quadrat_perfecte(x * x + 1), 0) << x;
  }

  EXPECT_EQ(quadrat_perfecte_alternativa(1), 1);
  EXPECT_EQ(quadrat_perfecte_alternativa(0), 0);
  EXPECT_EQ(quadrat_perfecte_alternativa(-4), 0);
  EXPECT_EQ(quadrat_perfecte_alternativa(2147395600), 1);  // 46340 squared
  EXPECT_EQ(quadrat_perfecte_alternativa(INT_MAX), 0);
  EXPECT_EQ(cub_perfecte(27), 1);
  EXPECT_EQ(cub_perfecte(26), 0);
  EXPECT_EQ(cub_perfecte(1), 1);
  EXPECT_EQ(cub_perfecte(0), 0);
  EXPECT_EQ(cub_perfecte(-8), 0);
  EXPECT_EQ(cub_perfecte(2146689000), 1);  // 1290 cubed
  EXPECT_EQ(cub_perfecte(INT_MAX), 0);
}

TEST(Util, RoundingAndDigits) {
  EXPECT_EQ(arrodoneix(2.5f), 3);
  EXPECT_EQ(arrodoneix(2.49f), 2);
  EXPECT_EQ(arrodoneix(-2.7f), -2);
  EXPECT_EQ(arrodoneix(-1.5f), -1);
  EXPECT_EQ(arrodoneix(0.0f), 0);
  EXPECT_EQ(arrodoneix(3e9f), INT_MAX);  // outside int: its ends
  EXPECT_EQ(arrodoneix(-3e9f), INT_MIN);
  EXPECT_EQ(arrodoneix(NAN), 0);

  EXPECT_EQ(nombre_xifres(0), 1);
  EXPECT_EQ(nombre_xifres(9), 1);
  EXPECT_EQ(nombre_xifres(10), 2);
  EXPECT_EQ(nombre_xifres(-4500), 4);
  EXPECT_EQ(nombre_xifres(INT_MAX), 10);
  EXPECT_EQ(nombre_xifres(INT_MIN), 10);
}

TEST(Util, ReversalAndPalindromes) {
  EXPECT_EQ(invertir(1200), 21);
  EXPECT_EQ(invertir(7), 7);
  EXPECT_EQ(invertir(0), 0);
  EXPECT_EQ(invertir(-123), -3);
  for (int n = 0; n < 100000; n += 7) {
    std::string s = std::to_string(n);
    ASSERT_EQ(invertir(n), std::stoi(std::string(s.rbegin(), s.rend()))) << n;
  }
  EXPECT_EQ(invertir(1463847412), 2147483641);
  // 1000000009 reversed is 9000000001, which wraps.
  EXPECT_EQ(invertir(1000000009), static_cast<int>(9000000001LL - 2 * 4294967296LL));
  EXPECT_EQ(palindrom(12321), 1);
  EXPECT_EQ(palindrom(120), 0);
  EXPECT_EQ(palindrom(0), 1);
}

TEST(Util, OrderingAndExchange) {
  auto ordena = [](float a, float b, float c) {
    ordenar_max_min(&a, &b, &c);
    return std::vector<float> {a, b, c};
  };
  EXPECT_EQ(ordena(1, 3, 2), (std::vector<float> {3, 2, 1}));
  EXPECT_EQ(ordena(2, 2, 5), (std::vector<float> {5, 2, 2}));
  EXPECT_EQ(ordena(3, 2, 1), (std::vector<float> {3, 2, 1}));
  EXPECT_EQ(ordena(1, 2, 3), (std::vector<float> {3, 2, 1}));
  EXPECT_EQ(ordena(-1, 0, -1), (std::vector<float> {0, -1, -1}));
  int p = 4, q = -9;
  intercanvia(&p, &q);
  EXPECT_EQ(p, -9);
  EXPECT_EQ(q, 4);
}

}  // namespace
