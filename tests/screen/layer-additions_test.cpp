// Additions of the platform layer for full-screen programs: the original
// generator's sequences, control bytes shown as "?" on a terminal only.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "plataforma.h"
#include "programa.h"
#include "terminal.h"

namespace {

TEST(Generador, SequencesOfSeedsOneAndZero) {
  plataforma::srand(1);
  EXPECT_EQ(41, plataforma::rand());
  EXPECT_EQ(18467, plataforma::rand());
  EXPECT_EQ(6334, plataforma::rand());
  plataforma::srand(0);
  EXPECT_EQ(38, plataforma::rand());
  EXPECT_EQ(7719, plataforma::rand());
  // Against the recurrence, computed here in 64 bits.
  for (unsigned llavor : {0u, 1u, 4294967295u}) {
    plataforma::srand(llavor);
    std::uint64_t x = llavor;
    for (int i = 0; i < 1000; i++) {
      x = (x * 214013u + 2531011u) % 4294967296u;
      ASSERT_EQ(static_cast<int>((x >> 16) & 0x7FFF), plataforma::rand());
    }
  }
}

std::string bytes_control() {
  std::string s;
  for (int b = 1; b < 128; b++)
    if ((b < 32 && b != 7 && b != 8 && b != 9 && b != 10 && b != 13) || b == 127)
      s += "a" + std::string(1, static_cast<char>(b));
  return s + "\n";
}

TEST(BytesControl, UnchangedThroughAPipe) {
  prova::comprova(BYTES_CONTROL, {{.nom = "every control byte", .entrada = "", .sortida = bytes_control()}});
}

TEST(BytesControl, StandInsOnATerminal) {
  prova::CarpetaTemporal carpeta;
  prova::Terminal t(BYTES_CONTROL, carpeta.cami());
  std::string esperat;
  for (int i = 0; i < 27; i++) esperat += "a?";
  ASSERT_TRUE(t.espera([&] { return t.fila(0) + t.fila(1) == esperat; }));
  EXPECT_EQ(1, t.fila_cursor());  // only the final line feed moved to a new row (54 columns)
  t.escriu("x");
  EXPECT_EQ(0, t.espera_final());
  EXPECT_EQ(std::string::npos, t.bytes().find('\x1b'));
}

}  // namespace
