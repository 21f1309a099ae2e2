// The 32-bit wrapping rule, against 64-bit arithmetic reduced by hand.
#include "enters32.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

// The two's complement value of the low 32 bits of n, worked out without casts.
std::int64_t reduit(std::int64_t n) {
  std::int64_t baix = ((n % 4294967296LL) + 4294967296LL) % 4294967296LL;
  return baix >= 2147483648LL ? baix - 4294967296LL : baix;
}

TEST(Enters32, WrapsAsTheOriginalInt) {
  const int valors[] = {0, 1, -1, 7, -7, 46341, 65536, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1};
  for (int a : valors) {
    EXPECT_EQ(enters32::oposat(a), reduit(-static_cast<std::int64_t>(a))) << a;
    for (int b : valors) {
      EXPECT_EQ(enters32::suma(a, b), reduit(static_cast<std::int64_t>(a) + b)) << a << " + " << b;
      EXPECT_EQ(enters32::resta(a, b), reduit(static_cast<std::int64_t>(a) - b)) << a << " - " << b;
      EXPECT_EQ(enters32::producte(a, b), reduit(static_cast<std::int64_t>(a) * b)) << a << " * " << b;
    }
  }
  EXPECT_EQ(enters32::redueix(4294967297LL), 1);
  EXPECT_EQ(enters32::redueix(-2147483649LL), INT_MAX);
  static_assert(enters32::suma(INT_MAX, 1) == INT_MIN);
}

}  // namespace
