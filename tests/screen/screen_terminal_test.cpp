// The screen programs and the paddle game on a pseudo-terminal: where the
// dialogue and the stars land, the ball's steps as the terminal receives
// them, the small-terminal notice, frames drawn over each other, and the
// terminal's mode and appearance after the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

char caracter(const Terminal &t, int fila, int columna) {
  unsigned c = t.cella(fila, columna).caracter;
  return c == 0 ? ' ' : static_cast<char>(c);
}

TEST(LineDrawTerminal, StarsLandOnTheScreenPositions) {
  CarpetaTemporal carpeta;
  Terminal t("line-draw", carpeta.cami());
  ASSERT_TRUE(t.espera_text("X1:"));
  EXPECT_EQ(0u, t.bytes().find("Introdueix la primera coordenada:"));  // nothing before it
  t.escriu("-1\r");
  ASSERT_TRUE(t.espera([&] { return t.fila(2) == "        X1:"; }));
  EXPECT_EQ("        X1: -1", t.fila(1));  // echoed by the line mode; the same prompt again
  t.escriu("10\r5\r3\r2\r");
  ASSERT_TRUE(t.espera_text("Dibuixant des de (3, 2) fins (10, 5)..."));
  ASSERT_TRUE(t.espera([&] { return caracter(t, 4, 9) == '*'; }));
  for (int y = 0; y < 25; y++)
    for (int x = 0; x < 80; x++) {
      bool dins = x >= 2 && x <= 9 && y >= 1 && y <= 4;
      EXPECT_TRUE(!dins || caracter(t, y, x) == '*') << x << "," << y;
    }
  EXPECT_EQ("Intr", t.fila(0).substr(0, 4));
  EXPECT_EQ(4, t.fila_cursor());
  EXPECT_EQ(10, t.columna_cursor());
  std::string abans = t.pantalla();
  t.escriu("x");
  EXPECT_EQ(0, t.espera_final());
  EXPECT_EQ(abans, t.pantalla());  // no echo, nothing after the pause
  // The shell's prompt starts on a row of its own.
  EXPECT_EQ(5, t.fila_cursor());
  EXPECT_EQ(0, t.columna_cursor());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(LineDrawTerminal, PositionsOffTheScreenPrintAtTheCursor) {
  CarpetaTemporal carpeta;
  Terminal t("line-draw", carpeta.cami());
  ASSERT_TRUE(t.espera_text("X1:"));
  t.escriu("0\r0\r0\r0\r");
  ASSERT_TRUE(t.espera([&] { return t.fila(7) == "*"; }));  // right after the announcement
  t.escriu("x");
  EXPECT_EQ(0, t.espera_final());
  // Column 80 then 81 on row 1: the second star goes to the next row.
  CarpetaTemporal carpeta2;
  Terminal u("line-draw", carpeta2.cami());
  ASSERT_TRUE(u.espera_text("X1:"));
  u.escriu("80\r1\r81\r1\r");
  ASSERT_TRUE(u.espera([&] { return caracter(u, 0, 79) == '*' && caracter(u, 1, 0) == '*'; }));
  u.escriu("\x1b[A");  // an arrow is one key for the pause
  EXPECT_EQ(0, u.espera_final());
  EXPECT_TRUE(prova::mateix_mode(u.mode(), u.mode_inicial()));
}

TEST(LineDrawTerminal, NoticeOnlyOnASmallTerminal) {
  const std::string avis = "El terminal te 80 columnes i 24 files, i aquest programa en necessita 80 i 25.";
  CarpetaTemporal carpeta;
  Terminal t("line-draw", carpeta.cami(), {}, {24, 80});
  ASSERT_TRUE(t.espera_text(avis));
  EXPECT_TRUE(t.espera_text("Amplieu la finestra i premeu qualsevol tecla per continuar . . ."));
  t.escriu("k");
  ASSERT_TRUE(t.espera([&] { return t.fila(0) == "Introdueix la primera coordenada:"; }));
  EXPECT_EQ(std::string::npos, t.pantalla().find("Amplieu"));
  for (Terminal::Mida mida : {Terminal::Mida {25, 80}, Terminal::Mida {30, 100}}) {
    CarpetaTemporal c;
    Terminal u("bouncing-ball", c.cami(), {}, mida);
    ASSERT_TRUE(u.espera([&] { return u.pantalla().find_first_of("oO") != std::string::npos; }, 1000));
    EXPECT_EQ(std::string::npos, u.bytes().find("El terminal"));
    u.escriu("q");
    EXPECT_EQ(0, u.espera_final(1000));
  }
}

struct Pas {
  int x, y;  // 1-based; 0 when printed at the cursor without a move
  char c;
};

// The ball's erases and draws as the terminal received them: each print
// after a cursor move, or on its own at the cursor.
std::vector<Pas> passos(const std::string &b) {
  std::vector<Pas> r;
  int x = 0, y = 0;
  for (std::size_t i = 0; i < b.size(); i++) {
    if (b[i] == '\x1b') {
      std::size_t fi = b.find_first_of("ABCDEFGHJKlmqhf", i + 2);
      if (fi == std::string::npos) break;
      if (b[fi] == 'H') std::sscanf(b.c_str() + i, "\x1b[%d;%dH", &y, &x);
      i = fi;
      continue;
    }
    if (b[i] == ' ' || b[i] == 'o' || b[i] == 'O') {
      r.push_back({x, y, b[i]});
      x = y = 0;
    }
  }
  return r;
}

TEST(BouncingBallTerminal, StepsDiagonallyAndEndsOnAKey) {
  for (const char *tecla : {"q", "\r", "\x1b[A"}) {
    CarpetaTemporal carpeta;
    Terminal t("bouncing-ball", carpeta.cami(), {}, {30, 100});
    // About two seconds of steps: sixty draws.
    ASSERT_TRUE(t.espera([&] { return passos(t.bytes()).size() >= 120; }, 5000));
    EXPECT_FALSE(prova::mateix_mode(t.mode(), t.mode_inicial()));  // raw: keys neither echoed nor held
    std::vector<Pas> p = passos(t.bytes());
    int dibuixos = 0, px = 0, py = 0;
    for (std::size_t i = 0; i + 1 < p.size(); i += 2) {
      ASSERT_EQ(' ', p[i].c);
      char esperat = dibuixos % 2 == 0 ? 'o' : 'O';
      ASSERT_EQ(esperat, p[i + 1].c) << i;
      if (dibuixos > 0) {
        // The erase is at the last ball; every ball inside 80 x 25 and one
        // diagonal step from the one before.
        if (px) {
          EXPECT_EQ(px, p[i].x);
          EXPECT_EQ(py, p[i].y);
        }
        ASSERT_GE(p[i + 1].x, 1);
        ASSERT_LE(p[i + 1].x, 80);
        ASSERT_GE(p[i + 1].y, 1);
        ASSERT_LE(p[i + 1].y, 25);
        if (px) {
          EXPECT_EQ(1, std::abs(p[i + 1].x - px));
          EXPECT_EQ(1, std::abs(p[i + 1].y - py));
        }
      }
      px = p[i + 1].x;
      py = p[i + 1].y;
      dibuixos++;
    }
    // Nothing but the ball on the screen (one stray ball at most, from a
    // start on an edge).
    std::string pantalla = t.pantalla();
    int marques = 0;
    for (char c : pantalla) marques += c != ' ' && c != '\n';
    EXPECT_LE(marques, 2);
    t.escriu(tecla);
    EXPECT_EQ(0, t.espera_final(1000));
    EXPECT_EQ(std::string::npos, t.pantalla().find('q'));
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

TEST(PaddleGameTerminal, FramesOverwriteEachOther) {
  CarpetaTemporal carpeta;
  Terminal t("paddle-game", carpeta.cami());
  ASSERT_TRUE(t.espera_text("Pilota treta (24, 5)"));
  EXPECT_FALSE(t.cursor_visible());
  std::size_t primer = t.bytes().find("\x1b[2J");
  ASSERT_NE(std::string::npos, primer);
  // Move the paddle to the far right and back: no trace of the old one.
  t.escriu(std::string(25, 'M'));
  ASSERT_TRUE(t.espera([&] { return t.fila(23) == std::string(67, ' ') + "[=========]"; }));
  t.escriu(std::string(25, 'K'));
  ASSERT_TRUE(t.espera([&] { return t.fila(23) == "[=========]"; }));
  EXPECT_EQ(std::string::npos, t.bytes().find("\x1b[2J", primer + 1));  // only the first frame clears
  // Exactly the frame: status, empty row, paddle, field with its balls,
  // the user's paddle, and nothing below.
  EXPECT_EQ(0u, t.fila(0).find("Marcador: "));
  EXPECT_EQ("", t.fila(1));
  EXPECT_NE(std::string::npos, t.fila(2).find("[=========]"));
  for (int f = 3; f <= 22; f++) EXPECT_EQ(std::string::npos, t.fila(f).find_first_not_of(" *")) << f;
  EXPECT_EQ("", t.fila(24));
  t.escriu("\x1b");
  EXPECT_EQ(0, t.espera_final());
  EXPECT_TRUE(t.cursor_visible());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

}  // namespace
