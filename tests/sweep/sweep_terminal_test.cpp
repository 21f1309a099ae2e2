// The programs that read keys, on a terminal: random keys, then a hang-up
// or a terminating signal. Each must end, and leave a terminal that is still
// there in the mode it had before the run.
#include <gtest/gtest.h>
#include <signal.h>

#include <random>
#include <string>
#include <vector>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

const std::vector<std::string> de_tecles = {"contact-book",  "grade-book",  "sales-ledger", "line-draw",
                                            "bouncing-ball", "paddle-game", "console-clock"};

// Keys a person may press: letters, digits, Enter, Backspace, arrows,
// F-keys, Home/End, Esc, Ctrl-D and a UTF-8 letter.
std::string tecles_a_latzar(std::mt19937 &aleatori, int quantes) {
  static const std::vector<std::string> tecles = {
      "a",        "z",      "0",      "1",      "2",        "3",      "4",      "9",      " ",
      "\r",       "\r",     "\x7f",   "\x1b[A", "\x1b[B",   "\x1b[C", "\x1b[D", "\x1bOP", "\x1b[15~",
      "\x1b[24~", "\x1b[H", "\x1b[F", "\x04",   "\xc3\xa7", "-",      "."};
  std::string r;
  for (int i = 0; i < quantes; i++) r += tecles[aleatori() % tecles.size()];
  return r + "\x1b";  // a lone Esc last
}

bool mostra_alguna_cosa(const Terminal &t) { return t.pantalla().find_first_not_of(" \n") != std::string::npos; }

class EscombradaTerminal : public ::testing::TestWithParam<std::string> {};

TEST_P(EscombradaTerminal, RandomKeysThenAHangUpOrASignal) {
  std::mt19937 aleatori(1208);
  for (int ronda = 0; ronda < 4; ronda++) {
    SCOPED_TRACE("round " + std::to_string(ronda));
    CarpetaTemporal carpeta;
    Terminal t(GetParam(), carpeta.cami());
    ASSERT_TRUE(t.espera([&] { return mostra_alguna_cosa(t); }));
    t.escriu(tecles_a_latzar(aleatori, 200));
    if (ronda % 2 == 0) {
      t.penja();
      EXPECT_NE(t.espera_final(), -1) << "still running after the hang-up";
      continue;
    }
    if (t.espera_final(0) == -1) t.senyal(SIGTERM);  // unless the keys ended it
    int estat = t.espera_final();
    EXPECT_NE(estat, -1);
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

// A terminating signal while the program waits: the status tells the
// signal, and the terminal is as it was.
TEST_P(EscombradaTerminal, EachTerminatingSignalLeavesTheTerminalAsItWas) {
  for (int s : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(s);
    CarpetaTemporal carpeta;
    Terminal t(GetParam(), carpeta.cami());
    ASSERT_TRUE(t.espera([&] { return mostra_alguna_cosa(t); }));
    t.senyal(s);
    EXPECT_EQ(t.espera_final(), 128 + s);
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

// Ctrl-Z while the program waits gives the terminal back as it was; after
// the resume the program's own mode comes back and a signal still ends it
// cleanly.
TEST_P(EscombradaTerminal, SuspendAndResumeKeepTheTerminalSane) {
  CarpetaTemporal carpeta;
  Terminal t(GetParam(), carpeta.cami());
  ASSERT_TRUE(t.espera([&] { return mostra_alguna_cosa(t); }));
  termios abans = t.mode();
  bool temps_real = GetParam() == "bouncing-ball" || GetParam() == "paddle-game" || GetParam() == "console-clock";
  if (temps_real) {  // they poll keys, so the terminal is raw while they run
    ASSERT_TRUE(t.espera([&] { return !prova::mateix_mode(t.mode(), t.mode_inicial()); }));
    abans = t.mode();
  }
  t.senyal(SIGTSTP);
  ASSERT_TRUE(t.espera_aturada());
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  t.senyal(SIGCONT);
  EXPECT_TRUE(t.espera([&] { return prova::mateix_mode(t.mode(), abans); }));
  t.senyal(SIGTERM);
  EXPECT_EQ(t.espera_final(), 128 + SIGTERM);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

// A signal that comes while the contact book saves at its exit: the file is
// the old one or the new one, whole, never a mix or a cut file.
TEST(EscombradaTerminalDesa, ASignalDuringTheSaveLeavesAWholeFile) {
  std::string antic;
  for (int i = 0; i < 3; i++) {
    std::string r(60, '\0');
    r[0] = static_cast<char>(i);
    r.replace(4, 4, "Anna");
    antic += r;
  }
  for (int ronda = 0; ronda < 20; ronda++) {
    SCOPED_TRACE(ronda);
    CarpetaTemporal carpeta;
    carpeta.escriu("agenda.dat", antic);
    Terminal t("contact-book", carpeta.cami());
    // Delete a contact, so that the new table differs (a key for the pause
    // after it), then leave.
    ASSERT_TRUE(t.passos({{"Opcio:", "2\r"}, {"esborrar:", "1\r"}, {"esborrat!", " "}}));
    ASSERT_TRUE(t.espera([&] { return t.pantalla().find("esborrar:") == std::string::npos; }));
    t.escriu(ronda % 2 ? "0\r" : "0\r ");
    t.senyal(ronda % 3 == 0 ? SIGINT : SIGTERM);
    t.espera_final();
    std::string ara = carpeta.llegeix("agenda.dat");
    EXPECT_TRUE(ara == antic ||
                (ara.size() == 120 && ara.substr(0, 60) == antic.substr(0, 60) && ara.substr(60) == antic.substr(120)))
        << prova::visible(ara);
    EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  }
}

INSTANTIATE_TEST_SUITE_P(Programes, EscombradaTerminal, ::testing::ValuesIn(de_tecles),
                         [](const ::testing::TestParamInfo<std::string> &parametre) {
                           std::string nom;
                           for (char c : parametre.param) nom.push_back(c == '-' ? '_' : c);
                           return nom;
                         });

}  // namespace
