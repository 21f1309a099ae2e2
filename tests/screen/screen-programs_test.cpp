// The screen programs through pipes: the dialogue, the drawing as plain
// text, re-asks, the end of input, and the ball ending at once.
#include <gtest/gtest.h>

#include <string>

#include "programa.h"

namespace {

using prova::Cas;

const std::string primera = "Introdueix la primera coordenada:\n";
const std::string segona = "Introdueix la segona coordenada (te que ser mes gran):\n";

std::string dialeg(int x1, int y1, int x2, int y2) {
  return primera + "\tX1: \tY1: " + segona + "\tX2: \tY2: " + "Dibuixant des de (" + std::to_string(x1) + ", " +
         std::to_string(y1) + ") fins (" + std::to_string(x2) + ", " + std::to_string(y2) + ")...\n";
}

TEST(LineDraw, TranscriptsThroughAPipe) {
  prova::comprova(
      "line-draw",
      {
          {.nom = "corners exchanged",
           .entrada = "10\n5\n3\n2\nk",
           .sortida = dialeg(3, 2, 10, 5) + std::string(32, '*')},
          {.nom = "equal corners", .entrada = "4\n4\n4\n4\n", .sortida = dialeg(4, 4, 4, 4) + "*"},
          {.nom = "zero and beyond the screen",
           .entrada = "0\n0\n81\n26\n",
           .sortida = dialeg(0, 0, 81, 26) + std::string(82 * 27, '*')},
          {.nom = "negative, non-number and too big asked again",
           .entrada = "-1\nabc\n1000\n2\n-5\n3\n2\n2147483648\n3\n",
           .sortida = primera + "\tX1: \tX1: \tX1: \tX1: \tY1: \tY1: " + segona +
                      "\tX2: \tY2: \tY2: " + "Dibuixant des de (2, 3) fins (2, 3)...\n*"},
          {.nom = "end of input at X1", .entrada = "", .sortida = primera + "\tX1: "},
          {.nom = "end of input at Y1", .entrada = "1\n", .sortida = primera + "\tX1: \tY1: "},
          {.nom = "end of input at X2", .entrada = "1\n1\n", .sortida = primera + "\tX1: \tY1: " + segona + "\tX2: "},
          {.nom = "end of input at Y2",
           .entrada = "1\n1\n1\n-1\n",
           .sortida = primera + "\tX1: \tY1: " + segona + "\tX2: \tY2: \tY2: "},
          {.nom = "the pause takes one byte of an open input",
           .entrada = "1\n1\n2\n1\nq",
           .sortida = dialeg(1, 1, 2, 1) + "**",
           .entrada_oberta = true},
      });
}

TEST(LineDraw, LargestDrawingHasNoEscapes) {
  prova::CarpetaTemporal carpeta;
  prova::Resultat r =
      prova::executa({.programa = "line-draw", .entrada = "0\n0\n999\n999\n", .carpeta = carpeta.cami()});
  ASSERT_EQ(0, r.estat);
  std::string d = dialeg(0, 0, 999, 999);
  ASSERT_EQ(d.size() + 1000000u, r.sortida.size());
  EXPECT_EQ(std::string::npos, r.sortida.find('\x1b'));
  EXPECT_EQ(std::string(1000000, '*'), r.sortida.substr(d.size()));
}

TEST(BouncingBall, EndsAtOnceWhenAKeyIsPending) {
  prova::comprova("bouncing-ball",
                  {
                      {.nom = "end of input", .entrada = "", .sortida = ""},
                      {.nom = "a key on an open input", .entrada = "q", .sortida = "", .entrada_oberta = true},
                  });
}

}  // namespace
