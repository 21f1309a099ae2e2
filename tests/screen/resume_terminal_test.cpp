// The screen programs after Ctrl-Z and a resume, and the clock's answer to
// a lone Esc, on a terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <string>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

std::size_t vegades(const std::string &text, const std::string &tros) {
  std::size_t n = 0;
  for (std::size_t p = 0; (p = text.find(tros, p)) != std::string::npos; p += tros.size()) n++;
  return n;
}

TEST(ScreenResume, TheDrawingIsRepaintedFromTheConsoleAfterAResume) {
  CarpetaTemporal carpeta;
  Terminal t("line-draw", carpeta.cami());
  ASSERT_TRUE(t.passos({{"X1:", "2\r"}, {"Y1:", "2\r"}, {"X2:", "4\r"}, {"Y2:", "3\r"}}));
  ASSERT_TRUE(t.espera([&] { return t.fila(2).find("***") != std::string::npos; }));
  t.senyal(SIGTSTP);
  ASSERT_TRUE(t.espera_aturada());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  std::size_t abans = t.bytes().size();
  t.senyal(SIGCONT);
  // The console's cells come again, stars included, while the pause waits.
  ASSERT_TRUE(t.espera([&] { return t.bytes().find("***", abans) != std::string::npos; })) << t.pantalla();
  EXPECT_EQ(t.fila(2).substr(1, 3), "***");
  t.escriu(" ");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(ScreenResume, ThePaddleGameClearsTheScreenForItsFirstFrameAfterAResume) {
  CarpetaTemporal carpeta;
  Terminal t("paddle-game", carpeta.cami());
  ASSERT_TRUE(t.espera_text("Marcador:"));
  t.senyal(SIGTSTP);
  ASSERT_TRUE(t.espera_aturada());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  std::size_t abans = t.bytes().size();
  t.senyal(SIGCONT);
  ASSERT_TRUE(t.espera([&] { return t.bytes().find("\x1b[2J", abans) != std::string::npos; }));
  ASSERT_TRUE(t.espera([&] { return t.bytes().find("Marcador:", abans) != std::string::npos; }));
  t.escriu("\x1b");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

// A lone Esc typed while the clock sleeps ends it at the next poll: one more
// time shown at the most, not two.
TEST(ClockKeys, ALoneEscEndsTheClockAtTheNextPoll) {
  CarpetaTemporal carpeta;
  Terminal t("console-clock", carpeta.cami());
  ASSERT_TRUE(t.espera([&] { return t.bytes().find("\b\b\b\b\b\b\b\b") != std::string::npos; }));
  std::size_t vistes = vegades(t.bytes(), "\b\b\b\b\b\b\b\b");
  t.escriu("\x1b");
  ASSERT_TRUE(t.espera_text("Fin del reloj."));
  EXPECT_LE(vegades(t.bytes(), "\b\b\b\b\b\b\b\b"), vistes + 1);
  t.escriu(" ");
  EXPECT_EQ(t.espera_final(), 0);
}

}  // namespace
