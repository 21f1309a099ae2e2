// The figure programs through pipes: the small figures as drawn by hand, larger
// ones from a row generator, and the bounds of each loop.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

std::string repeteix(const std::string &tros, long n) {
  std::string r;
  for (long i = 0; i < n; i++) r += tros;
  return r;
}

// Rows of the figures, built cell by cell from their descriptions.
std::string quadrat_ple(int n) { return repeteix(repeteix("* ", n) + "\n", n); }

std::string quadrat_buit(int n) {
  std::string r;
  for (int fila = 0; fila < n; fila++) {
    for (int col = 0; col < n; col++) r += fila == 0 || fila == n - 1 || col == 0 || col == n - 1 ? '*' : ' ';
    r += '\n';
  }
  return r;
}

std::string triangle(int n) {
  std::string r;
  for (int fila = 1; fila <= n; fila++) r += std::string(fila, '*') + "\n";
  return r;
}

// Right-aligned in lineas - 2 columns: the last row has no blank.
std::string triangle_dret(int n) {
  std::string r;
  for (int estrelles = 1; estrelles < n; estrelles++)
    r += std::string(n - 1 - estrelles, ' ') + std::string(estrelles, '*') + "\n";
  return r;
}

std::string triangle_invertit(int n) {
  std::string r;
  for (int blancs = 0; blancs < n - 1; blancs++)
    r += std::string(blancs, ' ') + std::string(n - 1 - blancs, '*') + "\n";
  return r;
}

std::string diagonal(int n) {
  std::string r;
  for (int fila = 0; fila < n; fila++) r += std::string(n - 1 - fila, ' ') + static_cast<char>(122 - fila) + "\n";
  return r;
}

std::string triangle_numeros(int n) {
  std::string r;
  long seguent = 1;
  for (int fila = 1; fila <= n; fila++) {
    for (int i = 0; i < fila; i++) {
      std::string xifres = std::to_string(seguent++);  // right-aligned in at least three columns
      r += std::string(xifres.size() < 3 ? 3 - xifres.size() : 0, ' ') + xifres;
    }
    r += "\n";
  }
  return r;
}

std::string fila_1_a(int k) {
  std::string r;
  for (int i = 1; i <= k; i++) r += std::to_string(i) + " ";
  return r + "\n";
}

// Grows to the middle row (half, upwards) and shrinks after it.
std::string piramide(int n) {
  int meitat = (n + 1) / 2;
  std::string r = "\t[La meitat es: " + std::to_string(meitat) + "]\n";
  for (int k = 1; k <= meitat; k++) r += fila_1_a(k);
  for (int k = meitat - 1; k > meitat - 1 - (n - meitat); k--) r += fila_1_a(k);
  return r;
}

TEST(StarSquare, CellsOfStarAndBlank) {
  prova::comprova("star-square", {
                                     {.nom = "1: one cell", .entrada = "1\n", .sortida = tope + "* \n"},
                                     {.nom = "3", .entrada = "3\n", .sortida = tope + "* * * \n* * * \n* * * \n"},
                                     {.nom = "17", .entrada = "17\n", .sortida = tope + quadrat_ple(17)},
                                     {.nom = "120", .entrada = "120\n", .sortida = tope + quadrat_ple(120)},
                                 });
}

TEST(HollowSquare, OnlyTheOutline) {
  std::vector<Cas> casos = {
      {.nom = "3", .entrada = "3\n", .sortida = tope + "***\n* *\n***\n"},
      {.nom = "1 and 2 are all asterisks", .entrada = "1\n", .sortida = tope + "*\n"},
      {.nom = "2", .entrada = "2\n", .sortida = tope + "**\n**\n"},
      {.nom = "5", .entrada = "5\n", .sortida = tope + "*****\n*   *\n*   *\n*   *\n*****\n"},
  };
  for (int n : {4, 10, 31, 200})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = tope + quadrat_buit(n)});
  prova::comprova("hollow-square", casos);
}

TEST(StarTriangle, OneRowPerLine) {
  std::vector<Cas> casos = {
      {.nom = "4", .entrada = "4\n", .sortida = lineas + "*\n**\n***\n****\n"},
      {.nom = "1", .entrada = "1\n", .sortida = lineas + "*\n"},
      {.nom = "2", .entrada = "2\n", .sortida = lineas + "*\n**\n"},
      {.nom = "0 draws nothing", .entrada = "0\n", .sortida = lineas},
      {.nom = "-4 draws nothing", .entrada = "-4\n", .sortida = lineas},
      {.nom = "the smallest int draws nothing", .entrada = "-2147483648\n", .sortida = lineas},
      {.nom = "a non-number is asked again", .entrada = "tres\n3\n", .sortida = lineas + lineas + "*\n**\n***\n"},
  };
  for (int n : {25, 150})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = lineas + triangle(n)});
  prova::comprova("star-triangle", casos);
}

TEST(StarTriangleRight, OneRowLessThanAsked) {
  std::vector<Cas> casos = {
      {.nom = "4", .entrada = "4\n", .sortida = lineas + "  *\n **\n***\n"},
      {.nom = "2: one star", .entrada = "2\n", .sortida = lineas + "*\n"},
      {.nom = "a non-number is asked again", .entrada = "x\n3\n", .sortida = lineas + lineas + " *\n**\n"},
  };
  for (const char *n : {"1", "0", "-3", "-2147483648"})
    casos.push_back({.nom = std::string(n) + " draws nothing", .entrada = std::string(n) + "\n", .sortida = lineas});
  for (int n : {5, 30, 150})
    casos.push_back(
        {.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = lineas + triangle_dret(n)});
  prova::comprova("star-triangle-right", casos);
}

TEST(StarTriangleInverted, OneRowLessThanAsked) {
  std::vector<Cas> casos = {
      {.nom = "4", .entrada = "4\n", .sortida = lineas + "***\n **\n  *\n"},
      {.nom = "2: one star", .entrada = "2\n", .sortida = lineas + "*\n"},
      {.nom = "a non-number is asked again", .entrada = "x\n3\n", .sortida = lineas + lineas + "**\n *\n"},
  };
  for (const char *n : {"1", "0", "-3", "-2147483648"})
    casos.push_back({.nom = std::string(n) + " draws nothing", .entrada = std::string(n) + "\n", .sortida = lineas});
  for (int n : {5, 30, 150})
    casos.push_back(
        {.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = lineas + triangle_invertit(n)});
  prova::comprova("star-triangle-inverted", casos);
}

TEST(LetterDiagonal, FromZDownwardsAndBelowA) {
  std::vector<Cas> casos = {
      {.nom = "3", .entrada = "3\n", .sortida = tope + "  z\n y\nx\n"},
      {.nom = "1", .entrada = "1\n", .sortida = tope + "z\n"},
  };
  for (int n : {26, 27, 28, 90})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = tope + diagonal(n)});
  prova::comprova("letter-diagonal", casos);
  // The generator's own ends: 26 rows end at 'a', 28 go on to '`' and '_'.
  EXPECT_EQ(diagonal(26).substr(diagonal(26).size() - 2), "a\n");
  EXPECT_EQ(diagonal(28).substr(diagonal(28).size() - 9), "  a\n `\n_\n");
}

TEST(LetterDiagonal, CodesGoOnDownPastZeroTo255) {
  // 123 rows reach code 0 at the last row but one; 124 rows wrap to 255.
  prova::CarpetaTemporal carpeta;
  std::string sortida =
      prova::executa({.programa = "letter-diagonal", .entrada = "124\n", .carpeta = carpeta.cami()}).sortida;
  ASSERT_GE(sortida.size(), 6u);
  EXPECT_EQ(prova::visible(sortida.substr(sortida.size() - 5)), prova::visible(std::string(" \0\n\xFF\n", 5)));
}

TEST(NumberTriangle, ConsecutiveNumbersInThreeColumns) {
  std::vector<Cas> casos = {
      {.nom = "3", .entrada = "3\n", .sortida = tope + "  1\n  2  3\n  4  5  6\n"},
      {.nom = "1", .entrada = "1\n", .sortida = tope + "  1\n"},
  };
  // 45 rows pass 999 (four columns then); 50 is the Part's largest shown.
  for (int n : {13, 45, 50})
    casos.push_back(
        {.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = tope + triangle_numeros(n)});
  prova::comprova("number-triangle", casos);
  EXPECT_NE(triangle_numeros(45).find("9991000"), std::string::npos);
}

TEST(NumberPyramid, GrowsToTheMiddleRow) {
  std::vector<Cas> casos = {
      {.nom = "5", .entrada = "5\n", .sortida = tope + "\t[La meitat es: 3]\n1 \n1 2 \n1 2 3 \n1 2 \n1 \n"},
      {.nom = "4: the last row is empty", .entrada = "4\n", .sortida = tope + "\t[La meitat es: 2]\n1 \n1 2 \n1 \n\n"},
      {.nom = "1", .entrada = "1\n", .sortida = tope + "\t[La meitat es: 1]\n1 \n"},
      {.nom = "2", .entrada = "2\n", .sortida = tope + "\t[La meitat es: 1]\n1 \n\n"},
  };
  for (int n : {9, 12, 41, 100})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = tope + piramide(n)});
  prova::comprova("number-pyramid", casos);
}

TEST(Alphabet, OneLineWithoutABreak) {
  prova::comprova(
      "alphabet",
      {{.nom = "no input", .entrada = "", .sortida = "a b c d e f g h i j k l m n o p q r s t u v w x y z "}});
}

// The limit prompt of the five figures that have it.
TEST(LimitPrompt, RepeatsSilentlyUntilAboveZero) {
  for (const char *programa :
       {"star-square", "hollow-square", "letter-diagonal", "number-triangle", "number-pyramid"}) {
    prova::comprova(
        programa,
        {
            {.nom = "0, -2, the smallest ints and a non-number",
             .entrada = "0\n-2\n-2147483647\n-2147483648\nx\n1\n",
             .sortida =
                 repeteix(tope, 6) + (std::string(programa) == "star-square"       ? "* \n"
                                      : std::string(programa) == "hollow-square"   ? "*\n"
                                      : std::string(programa) == "letter-diagonal" ? "z\n"
                                      : std::string(programa) == "number-triangle" ? "  1\n"
                                                                                   : "\t[La meitat es: 1]\n1 \n")},
            {.nom = "x then 3 prints the prompt twice",
             .entrada = "x\n3\n",
             .sortida = tope + tope +
                        (std::string(programa) == "star-square"       ? quadrat_ple(3)
                         : std::string(programa) == "hollow-square"   ? quadrat_buit(3)
                         : std::string(programa) == "letter-diagonal" ? diagonal(3)
                         : std::string(programa) == "number-triangle" ? triangle_numeros(3)
                                                                      : piramide(3))},
            {.nom = "end of input after refusals: no figure", .entrada = "0\n-1\n", .sortida = tope + tope + tope},
            {.nom = "no input", .entrada = "", .sortida = tope},
        });
  }
}

}  // namespace
