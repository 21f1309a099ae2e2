// Console output: frames over the terminal's screen, "cls", the end of a
// program on a terminal, a closed standard output and the pause notice.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "intern.h"
#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

const char *const programa = SORTIDA_PROVA;

// A frame whose row is printed to its last cell, then moved back by a
// backspace or a tab kept waiting at the row's end, keeps that row whole:
// only what the previous frame left past the printed cells goes.
TEST(Frames, RowPrintedToItsLastCellKeepsItsCellsAfterBackspaceOrTab) {
  const std::string a(80, 'A'), x(80, 'X');
  struct {
    std::string quadre, fila0, fila1;
  } casos[] = {
      {x + "\b\nZ", x, "Z"}, {x + "\b\b\nZ", x, "Z"},  {x + "\bY\nZ", std::string(78, 'X') + "YX", "Z"},
      {x + "\tY", x, "Y"},   {"XY\b\b\nZ", "XY", "Z"},
  };
  for (const auto &cas : casos) {
    CarpetaTemporal carpeta;
    Terminal t(programa, carpeta.cami(), {"quadres", a + "\n" + a + "\n" + a, cas.quadre});
    ASSERT_TRUE(t.espera([&] { return t.fila(0) == cas.fila0 && t.fila(1) == cas.fila1 && t.fila(2).empty(); }))
        << prova::visible(cas.quadre) << "\n"
        << t.pantalla();
    t.escriu("x");
    EXPECT_EQ(0, t.espera_final());
  }
}

TEST(Cls, ClearsTheScreenAndKeepsTheScrollback) {
  CarpetaTemporal carpeta;
  Terminal t(programa, carpeta.cami(), {"cls", "abans", "despres"});
  ASSERT_TRUE(t.espera([&] { return t.fila(0) == "despres"; }));
  EXPECT_EQ(std::string::npos, t.bytes().find("\x1b[3J"));
  t.escriu("x");
  EXPECT_EQ(0, t.espera_final());
}

// On a terminal the shell's prompt starts on a row of its own; through a
// pipe the bytes are the program's alone.
TEST(Final, ALineFeedOnlyOnATerminalAndOnlyInTheMiddleOfARow) {
  CarpetaTemporal carpeta;
  {
    Terminal t(programa, carpeta.cami(), {"text", "Adeu!"});
    EXPECT_EQ(0, t.espera_final());
    EXPECT_EQ("Adeu!", t.fila(0));
    EXPECT_EQ(1, t.fila_cursor());
    EXPECT_EQ(0, t.columna_cursor());
  }
  {
    Terminal t(programa, carpeta.cami(), {"text", "Adeu!\n"});
    EXPECT_EQ(0, t.espera_final());
    EXPECT_EQ(1, t.fila_cursor());
  }
  prova::Resultat r =
      prova::executa({.programa = programa, .entrada = "", .arguments = {"text", "Adeu!"}, .carpeta = carpeta.cami()});
  EXPECT_EQ("Adeu!", r.sortida);
  EXPECT_EQ(0, r.estat);
}

TEST(Final, OutputToAClosedStandardOutputIsAWriteError) {
  CarpetaTemporal carpeta;
  auto tancada = [&](const std::string &text) {
    return prova::executa({.programa = "/bin/sh",
                           .entrada = "",
                           .arguments = {"-c", "exec \"$0\" text \"$1\" >&-", programa, text},
                           .carpeta = carpeta.cami()});
  };
  prova::Resultat r = tancada("hola");
  EXPECT_EQ(1, r.estat);
  EXPECT_EQ("sortida-prova: write error: Bad file descriptor\n", r.errors);
  r = tancada("");
  EXPECT_EQ(0, r.estat);
  EXPECT_EQ("", r.errors);
}

// The launcher's descriptor gets one byte when the program ends right after
// a pause of its own that took a key; the variable is gone from the
// program's environment.
TEST(AvisPausa, OneByteOnlyAfterAFinalPauseThatTookAKey) {
  struct {
    std::string ordre, entrada, avis;
  } casos[] = {{"pausa", "x", "p"}, {"pausa", "", ""}, {"pausa-text", "x", ""}, {"text", "", ""}};
  for (const auto &cas : casos) {
    CarpetaTemporal carpeta;
    int tub[2];
    ASSERT_EQ(0, pipe(tub));
    std::vector<std::string> arguments {cas.ordre};
    if (cas.ordre == "text") arguments.push_back("hola");
    prova::Resultat r = prova::executa({.programa = programa,
                                        .entrada = cas.entrada,
                                        .arguments = arguments,
                                        .carpeta = carpeta.cami(),
                                        .entorn = {{plataforma::intern::variable_avis_pausa, std::to_string(tub[1])}}});
    close(tub[1]);
    char avis[8];
    ssize_t n = read(tub[0], avis, sizeof avis);
    close(tub[0]);
    EXPECT_EQ(0, r.estat) << cas.ordre;
    EXPECT_EQ(cas.avis, std::string(avis, n > 0 ? static_cast<std::size_t>(n) : 0)) << cas.ordre << " " << cas.entrada;
  }
}

}  // namespace
