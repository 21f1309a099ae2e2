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
  EXPECT_FALSE(t.cursor_visible());  // hidden again, as before the suspend
  t.escriu("\x1b");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

// A window made too small under the game: the notice, the game waiting;
// big enough again and a key, the whole frame drawn anew.
TEST(ScreenResize, ThePaddleGameWaitsOnASmallWindowAndRedrawsOnABigOne) {
  CarpetaTemporal carpeta;
  Terminal t("paddle-game", carpeta.cami());
  ASSERT_TRUE(t.espera_text("Marcador:"));
  t.redimensiona({20, 70});
  ASSERT_TRUE(t.espera_text("El terminal te 70 columnes i 20 files")) << t.pantalla();
  t.redimensiona({25, 80});
  std::size_t abans = t.bytes().size();
  t.escriu("x");
  ASSERT_TRUE(t.espera([&] {
    return t.fila(0).starts_with("Marcador:") && t.fila(2).find("[=========]") != std::string::npos;
  })) << t.pantalla();
  EXPECT_NE(std::string::npos, t.bytes().find("\x1b[2J", abans));
  EXPECT_FALSE(t.cursor_visible());
  t.escriu("\x1b");
  EXPECT_EQ(t.espera_final(), 0);
}

// On a terminal that takes no escape sequences the screen programs say so,
// wait for a key and end, having sent none.
TEST(ScreenDumb, ScreenProgramsSayTheyCannotPlaceTheCursor) {
  for (const char *programa : {"paddle-game", "bouncing-ball", "line-draw"}) {
    CarpetaTemporal carpeta;
    Terminal t("/usr/bin/env", carpeta.cami(), {"TERM=dumb", prova::cami_programa(programa)});
    ASSERT_TRUE(t.espera_text("Aquest terminal no pot situar el cursor, i aquest programa ho necessita.")) << programa;
    EXPECT_TRUE(t.espera_text("Premeu qualsevol tecla per continuar . . ."));
    t.escriu("x");
    EXPECT_EQ(t.espera_final(), 0) << programa;
    EXPECT_EQ(std::string::npos, t.bytes().find('\x1b')) << programa;
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
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
