// The command interpreter's pauses and "cls", on both kinds of input, and
// the sleep.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "fill.h"
#include "plataforma.h"

namespace {

using prova::Fill;
using prova::Origen;

class Ordres : public ::testing::TestWithParam<Origen> {
 protected:
  Fill fill(const std::string &entrada, const std::function<void()> &cos) {
    return prova::en_fill(entrada, cos, GetParam());
  }
};

TEST_P(Ordres, EveryPauseFormAndWhatItPrints) {
  struct {
    const char *ordre;
    const char *sortida;
  } casos[] = {
      {"pause >NUL", ""},
      {"pause>NUL", ""},
      {"pause > NUL", ""},
      {"pause >nul", ""},
      {"pause>nul", ""},
      {"PAUSE  >  Nul ", ""},
      {"pause", "Premeu qualsevol tecla per continuar . . . \n"},
      {"pause > nul | echo Fin", "Fin\n"},
      {"pause>nul|echo Fin", "Fin\n"},
  };
  for (const auto &c : casos) {
    SCOPED_TRACE(c.ordre);
    // Each waits for exactly one byte: the second byte is still there after.
    std::string ordre = c.ordre;
    Fill f = fill("xy", [ordre] {
      int r = plataforma::system(ordre.c_str());
      std::printf("<%d:%c>", r, std::getchar());
    });
    EXPECT_EQ(f.sortida, std::string(c.sortida) + "<0:y>");
  }
}

TEST_P(Ordres, PausesReturnAtOnceAtTheEndOfInput) {
  Fill f = fill("", [] {
    plataforma::system("pause >NUL");
    plataforma::system("pause");
    plataforma::system("pause > nul | echo Fin");
    std::printf("fet");
  });
  EXPECT_EQ(f.sortida, "Premeu qualsevol tecla per continuar . . . \nFin\nfet");
}

TEST_P(Ordres, ClearScreenOnAPipeIsAFormFeed) {
  Fill f = fill("", [] {
    std::printf("a");
    plataforma::system("cls");
    plataforma::system("CLS ");
    std::printf("b");
  });
  EXPECT_EQ(f.sortida, "a\f\fb");
}

TEST_P(Ordres, OtherCommandsAreRefused) {
  Fill f = fill("x", [] {
    std::printf("%d%d%d", plataforma::system("dir"), plataforma::system("pause > out.txt"),
                plataforma::system("cls && rm -rf x"));
    std::printf("%c", std::getchar());  // nothing was read by them
  });
  EXPECT_EQ(f.sortida, "111x");
}

INSTANTIATE_TEST_SUITE_P(CanonadaIFitxer, Ordres, ::testing::Values(Origen::canonada, Origen::fitxer),
                         prova::nom_origen);

TEST(Temps, SleepWaitsAtLeastTheTimeAsked) {
  auto abans = std::chrono::steady_clock::now();
  plataforma::_sleep(20);
  EXPECT_GE(std::chrono::steady_clock::now() - abans, std::chrono::milliseconds(20));
}

}  // namespace
