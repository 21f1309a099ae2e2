// The original runtime's random generator: its sequences, its range, and
// the state a program starts with.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "plataforma.h"
#include "programa.h"

namespace {

std::vector<int> primers(unsigned semilla, int quants) {
  plataforma::srand(semilla);
  std::vector<int> r;
  for (int i = 0; i < quants; i++) r.push_back(plataforma::rand());
  return r;
}

TEST(Atzar, TheOriginalSequences) {
  EXPECT_EQ(primers(1, 5), (std::vector<int> {41, 18467, 6334, 26500, 19169}));
  EXPECT_EQ(primers(0, 3), (std::vector<int> {38, 7719, 21238}));
}

TEST(Atzar, AgreesWithTheStepRuleOverALongRun) {
  // The rule computed here independently, in 64 bits reduced mod 2^32.
  for (unsigned semilla : {2u, 12345u, 4294967295u}) {
    plataforma::srand(semilla);
    std::uint64_t estat = semilla;
    for (int i = 0; i < 100000; i++) {
      estat = (estat * 214013 + 2531011) % 4294967296u;
      int esperat = static_cast<int>((estat >> 16) & 0x7FFF);
      int valor = plataforma::rand();
      ASSERT_EQ(valor, esperat) << "seed " << semilla << ", draw " << i;
      ASSERT_LE(valor, plataforma::rand_max);
    }
  }
}

TEST(Atzar, AProgramStartsAsIfSeededWithOne) {
  prova::CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = ECO_TECLES, .entrada = "", .arguments = {"atzar"}, .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, "41 18467 6334\n");
  EXPECT_EQ(r.estat, 0);
}

}  // namespace
