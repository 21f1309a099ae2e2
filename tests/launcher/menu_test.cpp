// The launcher's menu on an 80 x 25 terminal, as a person uses it: each
// test waits for what the screen shows and types the next keys.
#include <gtest/gtest.h>

#include <string>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

const std::string avall = "\x1b[B", amunt = "\x1b[A", dreta = "\x1b[C", esquerra = "\x1b[D";
const std::string av_pag = "\x1b[6~", re_pag = "\x1b[5~", inici = "\x1b[H", fi = "\x1b[F";

// The row of the highlighted entry ("> n. name"), or -1.
int fila_triada(const Terminal &t) {
  for (int f = 0; f < Terminal::files; f++)
    if (t.fila(f).rfind(">", 0) == 0) return f;
  return -1;
}

// Waits until the highlighted entry is the program with that number and name.
bool triat(Terminal &t, int numero, const std::string &nom) {
  char cap[48];
  std::snprintf(cap, sizeof cap, ">%2d. %s ", numero, nom.c_str());
  return t.espera([&] {
    int f = fila_triada(t);
    return f >= 0 && t.fila(f).rfind(cap, 0) == 0;
  });
}

// Waits for the list to come back after a program, with that status line
// (the row above the blank line and the help line) and no pause left on it.
bool estat(Terminal &t, const std::string &text) {
  return t.espera(
      [&] { return t.fila(Terminal::files - 3) == text && t.pantalla().find("Prem una tecla") == std::string::npos; });
}

bool titol(Terminal &t, const std::string &text) {
  return t.espera([&] { return t.fila(0).find(text) != std::string::npos; });
}

struct Menu {
  CarpetaTemporal carpeta;
  Terminal t {"portafoli", carpeta.cami(), {"--carpeta", carpeta.cami()}};
  Menu() { EXPECT_TRUE(triat(t, 1, "line-draw")); }
};

TEST(PortafoliTerminal, ArrowsPagesHomeAndEndMoveTheHighlight) {
  Menu m;
  Terminal &t = m.t;
  EXPECT_EQ(t.fila(0), "Portafoli de programes de consola - 1 de 9: Pantalla");
  EXPECT_TRUE(t.espera_text("Carpeta de treball: " + m.carpeta.cami()));
  EXPECT_TRUE(t.espera([&] { return t.fila(24).find("q: surt") != std::string::npos; }));
  t.escriu(avall);
  ASSERT_TRUE(triat(t, 2, "bouncing-ball"));
  t.escriu(avall);  // down from a screen's last entry goes on to the next screen
  ASSERT_TRUE(triat(t, 3, "paddle-game"));
  EXPECT_TRUE(titol(t, "2 de 9: Jocs i joguines"));
  t.escriu(amunt);
  ASSERT_TRUE(triat(t, 2, "bouncing-ball"));
  t.escriu(dreta);
  ASSERT_TRUE(triat(t, 3, "paddle-game"));
  t.escriu(av_pag);
  ASSERT_TRUE(titol(t, "3 de 9"));
  t.escriu(re_pag);
  ASSERT_TRUE(triat(t, 3, "paddle-game"));
  t.escriu(esquerra);
  ASSERT_TRUE(triat(t, 1, "line-draw"));
  t.escriu(esquerra);  // from the first screen round to the last
  ASSERT_TRUE(titol(t, "9 de 9"));
  t.escriu(fi);
  ASSERT_TRUE(triat(t, 89, "case-swap"));
  t.escriu(avall);  // nothing after the last
  t.escriu(inici);
  ASSERT_TRUE(triat(t, 1, "line-draw"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, DigitsPickByOneNumberingAndTheEndShowsOnTheStatusLine) {
  Menu m;
  Terminal &t = m.t;
  t.escriu("17");  // the highlight follows the number typed, here to the third screen
  ASSERT_TRUE(triat(t, 17, "factorial-header-stub"));
  EXPECT_TRUE(t.espera_text("Tria: 17"));
  t.escriu("\r");
  // It shows nothing and ends: the launcher's own pause, once.
  ASSERT_TRUE(t.espera_text("[factorial-header-stub: ha acabat be]\nPrem una tecla per tornar a la llista . . ."));
  t.escriu(" ");
  ASSERT_TRUE(estat(t, "factorial-header-stub: ha acabat be"));
  EXPECT_TRUE(triat(t, 17, "factorial-header-stub"));
  t.escriu("99\r");
  EXPECT_TRUE(t.espera_text("No hi ha cap programa amb el numero 99 (1 a 89)."));
  t.escriu("\x1b");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, LettersJumpAndANameWithEnterRunsWithItsArguments) {
  Menu m;
  Terminal &t = m.t;
  t.escriu("Sal");
  ASSERT_TRUE(triat(t, 26, "sales-ledger"));
  t.escriu("\x7f\x7f\x7f");
  t.escriu("wrx\r");
  ASSERT_TRUE(
      t.passos({{"No hi ha cap programa anomenat wrx. Els mes semblants: ", "WORD-rep hola 3\r"}, {"holaholahola"}}));
  t.escriu(" ");  // the program's own pause: the list comes straight back
  ASSERT_TRUE(estat(t, "word-repeat: ha acabat be"));
  EXPECT_TRUE(triat(t, 36, "word-repeat"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, QuestionMarkShowsTheWholeDescriptionAndTheKeys) {
  Menu m;
  Terminal &t = m.t;
  t.escriu(avall + avall);
  ASSERT_TRUE(triat(t, 3, "paddle-game"));
  t.escriu("?");
  ASSERT_TRUE(t.espera_text("3. paddle-game (Jocs i joguines)"));
  EXPECT_TRUE(t.espera_text("Tecles: fletxes o K i M mouen, espai, amunt o H serveixen, Esc acaba."));
  EXPECT_TRUE(t.espera_text("Prem una tecla per tornar a la llista."));
  t.escriu(avall);  // an extended key is one key
  ASSERT_TRUE(triat(t, 3, "paddle-game"));
  t.escriu("\x1b");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, LeavingGoesBackToTheNormalScreenAndLineMode) {
  for (std::string tecla : {"q", "\x1b"}) {
    Menu m;
    Terminal &t = m.t;
    t.escriu(tecla);
    EXPECT_EQ(t.espera_final(), 0);
    const std::string &b = t.bytes();
    std::size_t alternativa = b.rfind("\x1b[?1049h"), normal = b.rfind("\x1b[?1049l");
    ASSERT_NE(alternativa, std::string::npos);
    ASSERT_NE(normal, std::string::npos);
    EXPECT_LT(alternativa, normal);
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

TEST(PortafoliTerminal, CtrlDOrEscAtTheArgumentPromptGoBackToTheList) {
  Menu m;
  Terminal &t = m.t;
  t.escriu("36");
  ASSERT_TRUE(triat(t, 36, "word-repeat"));
  t.escriu("\r");
  ASSERT_TRUE(t.espera_text("Arguments de word-repeat (Esc o Ctrl-D: torna): "));
  t.escriu("\x04");
  ASSERT_TRUE(estat(t, "No s'ha executat word-repeat."));
  ASSERT_TRUE(triat(t, 36, "word-repeat"));
  t.escriu("\r");
  ASSERT_TRUE(t.espera_text("Arguments de word-repeat (Esc o Ctrl-D: torna): "));
  t.escriu("x\x1b\r");
  ASSERT_TRUE(estat(t, "No s'ha executat word-repeat."));
  t.escriu("\r");
  ASSERT_TRUE(
      t.passos({{"Arguments de word-repeat (Esc o Ctrl-D: torna): ", "'dos mots' 2\r"}, {"dos motsdos mots", " "}}));
  ASSERT_TRUE(estat(t, "word-repeat: ha acabat be"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, AnInterruptedProgramShowsSoOnTheStatusLine) {
  Menu m;
  Terminal &t = m.t;
  t.escriu("power-tariff\r");
  ASSERT_TRUE(t.passos({{"Introdueix els kw consumits:", "\x03"},
                        {"[power-tariff: interromput (Ctrl-C)]"},
                        {"Prem una tecla per tornar a la llista . . .", " "}}));
  ASSERT_TRUE(estat(t, "power-tariff: interromput (Ctrl-C)"));
  EXPECT_TRUE(triat(t, 10, "power-tariff"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(PortafoliTerminal, AUtf8NameTypedAtTheListReachesTheProgramAsTyped) {
  CarpetaTemporal carpeta;
  carpeta.escriu("caf\xc3\xa9.txt", "abc");
  Terminal t("portafoli", carpeta.cami(), {"--carpeta", carpeta.cami()}, Terminal::Mida {}, "C.UTF-8");
  ASSERT_TRUE(triat(t, 1, "line-draw"));
  t.escriu("caf\xc3\xa9\x7f\xc3\xa8\r");  // shown as typed, Backspace takes the whole character
  ASSERT_TRUE(
      t.passos({{"No hi ha cap programa anomenat caf\xc3\xa8. Els mes semblants: ", "file-upcase caf\xc3\xa9.txt\r"},
                {"Adeu!", " "}}));
  ASSERT_TRUE(estat(t, "file-upcase: ha acabat be"));
  EXPECT_EQ(carpeta.llegeix("caf\xc3\xa9.txt"), "ABC");
  EXPECT_TRUE(triat(t, 28, "file-upcase"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

// A program whose last act was a pause of its own that took a key goes
// straight back to the list: one key, not two.
TEST(PortafoliTerminal, AProgramEndingOnItsOwnPauseNeedsNoSecondKey) {
  Menu m;
  Terminal &t = m.t;
  t.escriu("goodbye\r");
  ASSERT_TRUE(t.espera_text("Adeu"));
  t.escriu(" ");
  ASSERT_TRUE(estat(t, "goodbye-stub: ha acabat be"));
  EXPECT_TRUE(triat(t, 38, "goodbye-stub"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

}  // namespace
