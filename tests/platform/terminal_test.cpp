// The platform layer on a real pseudo-terminal: keys in raw mode, pauses,
// clearing the screen, and the terminal mode left as it was found.
#include <gtest/gtest.h>
#include <signal.h>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

TEST(TerminalTecles, KeysArriveAsConsoleCodes) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"getch"});
  ASSERT_TRUE(t.espera_text("llest"));
  t.escriu("a");
  ASSERT_TRUE(t.espera_text("[97]"));
  EXPECT_EQ(t.fila(1), "[97]");  // no echo of the key itself
  t.escriu("\x1b[A");
  ASSERT_TRUE(t.espera_text("[224][72]"));
  t.escriu("\x1bOP");
  ASSERT_TRUE(t.espera_text("[0][59]"));
  t.escriu("\r");
  ASSERT_TRUE(t.espera_text("[13]"));
  t.escriu("\x7f");
  ASSERT_TRUE(t.espera_text("[8]"));
  t.escriu("\x1b");  // a lone Esc comes out after its short wait
  ASSERT_TRUE(t.espera_text("[27]"));
  t.escriu("\x1b[6~q");
  ASSERT_TRUE(t.espera_text("[224][81][113]"));
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(TerminalTecles, KbhitDoesNotTakeTheKey) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"kbhit"});
  ASSERT_TRUE(t.espera_text("llest"));
  t.escriu("\x1b[D");
  ASSERT_TRUE(t.espera_text("[224]"));
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(TerminalTecles, PauseTakesOneKeyAndLineModeComesBack) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"pausa"});
  ASSERT_TRUE(t.espera_text("Premeu qualsevol tecla per continuar . . ."));
  t.escriu("\x1b[B");  // an arrow is one key
  ASSERT_TRUE(t.espera([&] { return t.fila_cursor() == 2; }));
  t.escriu("hola\r");  // echoed by the terminal's line mode
  ASSERT_TRUE(t.espera_text("linia=hola"));
  EXPECT_EQ(t.fila(2), "hola");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(TerminalTecles, ClearScreenEmptiesItAndHomesTheCursor) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"cls"});
  ASSERT_TRUE(t.espera_text("despres"));
  EXPECT_EQ(t.fila(0), "despres");
  EXPECT_EQ(t.pantalla().find("abans"), std::string::npos);
  EXPECT_EQ(t.fila_cursor(), 0);
  EXPECT_EQ(t.columna_cursor(), 7);
  t.escriu("x");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(TerminalTecles, ModeIsRestoredOnSignals) {
  for (int senyal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(senyal);
    CarpetaTemporal carpeta;
    Terminal t(ECO_TECLES, carpeta.cami(), {"senyal"});
    ASSERT_TRUE(t.espera_text("llest"));
    // In raw mode while waiting for a key.
    ASSERT_TRUE(t.espera([&] { return !prova::mateix_mode(t.mode(), t.mode_inicial()); }));
    if (senyal == SIGINT)
      t.escriu("\x03");  // Ctrl-C from the keyboard
    else
      t.senyal(senyal);
    EXPECT_EQ(t.espera_final(), 128 + senyal);
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

TEST(TerminalTecles, ModeIsRestoredOnACrash) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"falla"});
  ASSERT_TRUE(t.espera_text("llest"));
  int estat = t.espera_final();
  EXPECT_NE(estat, 0);
  EXPECT_NE(estat, -1);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

}  // namespace
