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
  for (int senyal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGRTMIN + 1}) {
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

TEST(TerminalTecles, AnIgnoredInterruptStaysIgnored) {
  CarpetaTemporal carpeta;
  struct sigaction ignora {
  }, previa {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGINT, &ignora, &previa);  // inherited by the program, as from a shell's "trap '' INT"
  Terminal t(ECO_TECLES, carpeta.cami(), {"getch"});
  sigaction(SIGINT, &previa, nullptr);
  ASSERT_TRUE(t.espera_text("llest"));
  ASSERT_TRUE(t.espera([&] { return !prova::mateix_mode(t.mode(), t.mode_inicial()); }));
  t.escriu("\x03");
  t.escriu("a");
  ASSERT_TRUE(t.espera_text("[97]"));
  EXPECT_FALSE(t.acabat());
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

TEST(TerminalTecles, KeysTypedAheadAreDroppedAtTheEnd) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"getch"});
  ASSERT_TRUE(t.espera_text("llest"));
  ASSERT_TRUE(t.espera([&] { return !prova::mateix_mode(t.mode(), t.mode_inicial()); }));
  t.escriu("qls\r");  // "q" ends the program; the rest must not reach the shell
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_EQ(prova::visible(t.teclejat_pendent()), "");
}

TEST(TerminalTecles, SuspendGivesBackASaneTerminalAndResumeGoesOn) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"pausa"});
  ASSERT_TRUE(t.espera_text("Premeu qualsevol tecla per continuar . . ."));
  ASSERT_TRUE(t.espera([&] { return !prova::mateix_mode(t.mode(), t.mode_inicial()); }));
  t.escriu("\x1a");  // Ctrl-Z
  ASSERT_TRUE(t.espera_aturada());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  t.senyal(SIGCONT);
  // Raw again, the program's redraw ran, and the pause still takes its key.
  ASSERT_TRUE(t.espera_text("represa")) << t.pantalla();
  EXPECT_FALSE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  t.escriu("k");
  ASSERT_TRUE(t.espera([&] { return prova::mateix_mode(t.mode(), t.mode_inicial()); }));
  t.escriu("hola\r");
  ASSERT_TRUE(t.espera_text("linia=hola"));
  EXPECT_EQ(t.espera_final(), 0);
}

// A poll finds a key as soon as its bytes are there: a lone Esc after the
// decoder's short wait, not a poll later.
TEST(TerminalTecles, APollAnswersALoneEscAtOnce) {
  CarpetaTemporal carpeta;
  Terminal t(ECO_TECLES, carpeta.cami(), {"sondeig"});
  ASSERT_TRUE(t.espera_text("llest"));
  t.escriu("ga");
  ASSERT_TRUE(t.espera_text("[97@1]"));
  t.escriu("g\x1b");
  ASSERT_TRUE(t.espera_text("[97@1][27@1]"));
  t.escriu("g\x1b[A");
  ASSERT_TRUE(t.espera_text("[27@1][224@1][72]"));
  t.escriu("g\xc3\xa7");  // one character, one key
  ASSERT_TRUE(t.espera_text("[72][231@1]"));
  t.escriu("g\x1b[99~b");  // a sequence of no key is skipped whole
  ASSERT_TRUE(t.espera_text("[231@1][98@1]"));
  t.escriu("q");
  EXPECT_EQ(t.espera_final(), 0);
}

TEST(TerminalTecles, APauseTakesACharacterOrAnUnknownSequenceAsOneKey) {
  for (const char *tecla : {"\xc3\xa7", "\x1b[23~", "\x1b[99~", "\x1b[Z"}) {
    SCOPED_TRACE(prova::visible(tecla));
    CarpetaTemporal carpeta;
    Terminal t(ECO_TECLES, carpeta.cami(), {"pausa"});
    ASSERT_TRUE(t.espera_text("Premeu"));
    t.escriu(tecla);
    ASSERT_TRUE(t.espera([&] { return prova::mateix_mode(t.mode(), t.mode_inicial()); }));
    t.escriu("hola\r");
    ASSERT_TRUE(t.espera_text("linia=hola"));
    EXPECT_EQ(t.espera_final(), 0);
  }
}

}  // namespace
