// Control bytes: unchanged through a pipe, shown as "?" on a terminal.
#include <gtest/gtest.h>

#include <string>

#include "plataforma.h"
#include "programa.h"
#include "terminal.h"

namespace {

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
