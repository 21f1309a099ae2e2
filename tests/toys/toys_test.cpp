// The games and toys through pipes: the paddle game's frames worked out from
// the rules of a pass, the path grid's invariants, the clock and the toys.
#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::Cas;

const std::string paleta = "[=========] ";

std::string blancs(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

std::string estat(int go, int gu, bool treta, int x, int y) {
  std::string s = "Marcador: " + std::to_string(go) + " - " + std::to_string(gu) + " ";
  s += go > gu ? "(guanya ordinador)" : gu > go ? "(guanya usuari)" : "(taules)";
  s += treta ? " - Pilota treta" : " - Pilota no treta";
  return s + " (" + std::to_string(x) + ", " + std::to_string(y) + ")\n\n";
}

// A frame whose ball (or waiting ball) lies in the field, rows 4 to 23.
std::string quadre(const std::string &linia_estat, int ordinador, int bola_x, int bola_y, int usuari) {
  std::string s = "\f" + linia_estat + blancs(ordinador) + paleta;
  for (int fila = 4; fila <= 23; fila++) s += "\n" + (fila == bola_y ? blancs(bola_x) + "*" : "");
  return s + "\n" + blancs(usuari) + paleta;
}

std::string primer_quadre() { return quadre(estat(0, 0, false, 0, 0), 20, 25, 4, 0); }

// The served ball goes down-left one cell a pass, and the computer's paddle,
// over it, follows its middle one column a pass.
std::string passada_inicial(int k, int usuari) {
  return quadre(estat(0, 0, true, 26 - k, 3 + k), k == 1 ? 20 : 21 - k, 25 - k, 4 + k, usuari);
}

TEST(PaddleGame, FirstFramesEscAndKeysThatDoNothing) {
  std::string dues = primer_quadre() + passada_inicial(1, 0) + passada_inicial(2, 0);
  prova::comprova(
      "paddle-game",
      {
          {.nom = "end of input: one pass", .entrada = "", .sortida = primer_quadre() + passada_inicial(1, 0)},
          {.nom = "Esc ends after its pass",
           .entrada = "\x1b"
                      "MM",
           .sortida = primer_quadre() + passada_inicial(1, 0)},
          {.nom = "other keys and lone prefixes",
           .entrada = std::string("\xe0\0", 2),
           .sortida = dues + passada_inicial(3, 0)},
          {.nom = "serve keys while the computer serves", .entrada = " H", .sortida = dues + passada_inicial(3, 0)},
          {.nom = "left at column 0 stays", .entrada = "KK", .sortida = dues + passada_inicial(3, 0)},
          {.nom = "right then left",
           .entrada = "MMK",
           .sortida = primer_quadre() + passada_inicial(1, 3) + passada_inicial(2, 6) + passada_inicial(3, 3) +
                      passada_inicial(4, 3)},
          {.nom = "Esc on a held-open input",
           .entrada = "\x1b",
           .sortida = primer_quadre() + passada_inicial(1, 0),
           .entrada_oberta = true},
      });
}

TEST(PaddleGame, RightClampAt67) {
  prova::CarpetaTemporal carpeta;
  prova::Resultat r =
      prova::executa({.programa = "paddle-game", .entrada = std::string(30, 'M'), .carpeta = carpeta.cami()});
  ASSERT_EQ(0, r.estat);
  std::string darrer = r.sortida.substr(r.sortida.rfind('\n') + 1);
  EXPECT_EQ(blancs(67) + paleta, darrer);
}

// The user's paddle runs right, out of the ball's way: the ball reaches row
// 23 at column 6 and is missed, goes to row 24, and the computer scores.
TEST(PaddleGame, ComputerPointDrawsTwoStarsOnRow24) {
  std::string esperat = primer_quadre();
  for (int k = 1; k <= 19; k++) esperat += passada_inicial(k, 3 * k);
  // Pass 20: from (6, 23) to (5, 24), drawn on row 24, the paddle on row 25.
  esperat += "\f" + estat(0, 0, true, 6, 23) + blancs(1) + paleta + "\n" + std::string(20, '\n') + blancs(5) + "*" +
             "\n" + blancs(60) + paleta;
  // Pass 21 (end of input, Esc): the point; the lost ball and the waiting
  // one on row 24.
  esperat += "\f" + estat(0, 0, true, 5, 24) + blancs(0) + paleta + "\n" + std::string(20, '\n') + blancs(5) + "*" +
             blancs(65) + "*" + "\n" + blancs(60) + paleta;
  prova::comprova("paddle-game", {{.nom = "computer point", .entrada = std::string(20, 'M'), .sortida = esperat}});
}

TEST(PaddleGame, ManyKeysQuicklyAndNoEscapes) {
  prova::CarpetaTemporal carpeta;
  std::string teclas;
  for (int i = 0; i < 10000; i++) teclas.push_back("MK H\xe0z"[i % 6]);
  prova::Resultat r = prova::executa(
      {.programa = "paddle-game", .entrada = teclas, .carpeta = carpeta.cami(), .temps_maxim_ms = 10000});
  ASSERT_EQ(0, r.estat);
  EXPECT_EQ(std::string::npos, r.sortida.find('\x1b'));
  EXPECT_EQ(std::string::npos, r.sortida.find("Premeu"));
  std::size_t quadres = 0;
  for (char c : r.sortida) quadres += c == '\f';
  EXPECT_EQ(10002u, quadres);
  EXPECT_NE('\n', r.sortida.back());
}

// Checks a run of path-grid against the rules of its stages.
void comprova_tauler(const std::string &sortida) {
  std::istringstream in(sortida);
  std::string linia;
  int f = 0, c = 0, pas = 0;
  std::vector<std::pair<int, int>> cami {{0, 0}};
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("", linia);
  for (;;) {
    ASSERT_TRUE(std::getline(in, linia));
    int fa, ca, codi, fn, cn;
    if (std::sscanf(linia.c_str(), "Aleatoria a (%d, %d) es: %d (%d, %d)", &fa, &ca, &codi, &fn, &cn) != 5) break;
    ASSERT_EQ(f, fa);
    ASSERT_EQ(c, ca);
    ASSERT_TRUE(fn - f == 0 || fn - f == 1);
    ASSERT_TRUE(cn - c == 0 || cn - c == 1);
    ASSERT_EQ(fn * 10 + cn, codi);
    if (fn != f || cn != c) cami.push_back({fn, cn});
    f = fn, c = cn;
    pas++;
    ASSERT_TRUE(std::getline(in, linia));
    ASSERT_EQ("", linia);
  }
  ASSERT_EQ(99, f * 10 + c);
  ASSERT_EQ("fila: 9, columna:9", linia);
  int camins[10][10] = {};
  for (auto [cf, cc] : cami) camins[cf][cc] = 1;
  for (int i = 0; i < 10; i++) {
    ASSERT_TRUE(std::getline(in, linia));
    std::string esperada;
    for (int j = 0; j < 10; j++) esperada += camins[i][j] ? "0" : "-1";
    ASSERT_EQ(esperada, linia);
  }
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("", linia);
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("Se ha encontrado camino!!!", linia);
  int mines[10][10];
  int total = 0;
  for (int i = 0; i < 10; i++) {
    ASSERT_TRUE(std::getline(in, linia));
    ASSERT_EQ(10u, linia.size());
    for (int j = 0; j < 10; j++) {
      ASSERT_TRUE(linia[static_cast<std::size_t>(j)] == '0' || linia[static_cast<std::size_t>(j)] == '1');
      mines[i][j] = linia[static_cast<std::size_t>(j)] - '0';
      total += mines[i][j];
      if (camins[i][j]) {
        ASSERT_EQ(0, mines[i][j]);
      }
    }
  }
  ASSERT_EQ(10, total);
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("", linia);
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("", linia);
  for (int i = 0; i < 10; i++) {
    ASSERT_TRUE(std::getline(in, linia));
    std::string esperada;
    for (int j = 0; j < 10; j++) {
      int n = 0;
      for (int a = i - 1; a <= i + 1; a++)
        for (int b = j - 1; b <= j + 1; b++)
          if (a >= 0 && a < 10 && b >= 0 && b < 10 && (a != i || b != j)) n += mines[a][b];
      esperada += std::to_string(n);
    }
    ASSERT_EQ(esperada, linia);
  }
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("", linia);
  ASSERT_TRUE(std::getline(in, linia));
  ASSERT_EQ("Adios.", linia);
  ASSERT_FALSE(std::getline(in, linia));
  ASSERT_LE(pas, 200);
}

TEST(PathGrid, StagesFollowTheRules) {
  for (int i = 0; i < 5; i++) {
    prova::CarpetaTemporal carpeta;
    prova::Resultat r =
        prova::executa({.programa = "path-grid", .entrada = "x", .carpeta = carpeta.cami(), .entrada_oberta = true});
    ASSERT_EQ(0, r.estat);
    ASSERT_TRUE(r.errors.empty());
    comprova_tauler(r.sortida);
  }
}

TEST(ConsoleClock, OneTimeAtTheEndOfInput) {
  for (const char *tz : {"UTC0", "<-0130>+01:30:15"}) {
    setenv("TZ", tz, 1);
    std::time_t abans = std::time(nullptr);
    prova::CarpetaTemporal carpeta;
    prova::Resultat r =
        prova::executa({.programa = "console-clock", .entrada = "", .carpeta = carpeta.cami(), .entorn = {{"TZ", tz}}});
    std::time_t despres = std::time(nullptr);
    ASSERT_EQ(0, r.estat);
    ASSERT_GE(despres - abans, 1);  // it slept a whole second
    bool trobat = false;
    for (std::time_t t = abans; t <= despres; t++) {
      std::tm *d = std::localtime(&t);
      char hora[32];
      std::snprintf(hora, sizeof hora, "%d:%d:%d", d->tm_hour, d->tm_min, d->tm_sec);
      trobat |= r.sortida == std::string(hora) + "\b\b\b\b\b\b\b\b\nFin del reloj.";
    }
    EXPECT_TRUE(trobat) << tz << ": " << prova::visible(r.sortida);
  }
  unsetenv("TZ");
}

TEST(ConsoleClock, APendingKeyGivesOneTimeAndFeedsThePause) {
  prova::CarpetaTemporal carpeta;
  prova::Resultat r =
      prova::executa({.programa = "console-clock", .entrada = "q", .carpeta = carpeta.cami(), .entrada_oberta = true});
  ASSERT_EQ(0, r.estat);
  std::size_t bs = r.sortida.find('\b');
  ASSERT_NE(std::string::npos, bs);
  EXPECT_EQ("\b\b\b\b\b\b\b\b\nFin del reloj.", r.sortida.substr(bs));
}

TEST(Toys, CharIndexAndPointerStep) {
  prova::comprova("char-index-toy",
                  {
                      {.nom = "end of input", .entrada = "", .sortida = "51a\n"},
                      {.nom = "one byte ends the pause", .entrada = "z", .sortida = "51a\n", .entrada_oberta = true},
                  });
  prova::comprova("pointer-step",
                  {
                      {.nom = "end of input", .entrada = "", .sortida = ""},
                      {.nom = "one byte ends the pause", .entrada = "z", .sortida = "", .entrada_oberta = true},
                  });
}

}  // namespace
