// The magic square: its construction and check against independent
// properties, and its dialogue through a pipe.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "programa.h"

// The program's functions, with its main under another name.
#define main magic_square_main
#include "magic-square.cpp"
#undef main

namespace {

using Quadrat = int[dimensio_maxima][dimensio_maxima];

TEST(MagicSquare, TheStaircaseIsMagicForEveryOddSize) {
  for (int dim : {3, 5, 7, 9}) {
    Quadrat q = {};
    generar_quadrat_magic(q, dim);
    const int suma = dim * (dim * dim + 1) / 2;
    std::vector<int> vistos;
    int diagonal = 0, antidiagonal = 0;
    for (int f = 0; f < dim; f++) {
      int fila = 0, columna = 0;
      for (int c = 0; c < dim; c++) {
        fila += q[f][c];
        columna += q[c][f];
        vistos.push_back(q[f][c]);
      }
      EXPECT_EQ(fila, suma) << dim << " row " << f;
      EXPECT_EQ(columna, suma) << dim << " column " << f;
      diagonal += q[f][f];
      antidiagonal += q[f][dim - 1 - f];
    }
    EXPECT_EQ(diagonal, suma);
    EXPECT_EQ(antidiagonal, suma);
    std::sort(vistos.begin(), vistos.end());
    for (int i = 0; i < dim * dim; i++) EXPECT_EQ(vistos[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(q[0][dim / 2], 1);
    EXPECT_EQ(q[dim - 1][dim / 2], dim * dim);
    // The rest of the 9 x 9 matrix stays zero.
    for (int f = 0; f < dimensio_maxima; f++)
      for (int c = 0; c < dimensio_maxima; c++)
        if (f >= dim || c >= dim) {
          EXPECT_EQ(q[f][c], 0);
        }
    EXPECT_EQ(validar_quadrat_magic(q, dim), 1);
  }
}

TEST(MagicSquare, TheSquaresOfThreeAndFive) {
  Quadrat q = {};
  generar_quadrat_magic(q, 3);
  std::vector<std::vector<int>> tres = {{6, 1, 8}, {7, 5, 3}, {2, 9, 4}};
  for (int f = 0; f < 3; f++) EXPECT_EQ(std::vector<int>(q[f], q[f] + 3), tres[static_cast<std::size_t>(f)]);
  generar_quadrat_magic(q, 5);
  std::vector<std::vector<int>> cinc = {
      {15, 8, 1, 24, 17}, {16, 14, 7, 5, 23}, {22, 20, 13, 6, 4}, {3, 21, 19, 12, 10}, {9, 2, 25, 18, 11}};
  for (int f = 0; f < 5; f++) EXPECT_EQ(std::vector<int>(q[f], q[f] + 5), cinc[static_cast<std::size_t>(f)]);
}

TEST(MagicSquare, ASecondConstructionOverAFilledMatrix) {
  for (int dim : {3, 5, 7, 9}) {
    Quadrat net = {}, brut;
    generar_quadrat_magic(net, dim);
    for (auto &fila : brut) std::fill(std::begin(fila), std::end(fila), 77);
    generar_quadrat_magic(brut, dim);
    for (int f = 0; f < dim; f++)
      for (int c = 0; c < dim; c++) EXPECT_EQ(brut[f][c], net[f][c]) << dim;
    generar_quadrat_magic(net, dim);  // and again over its own result
    EXPECT_EQ(validar_quadrat_magic(net, dim), 1);
  }
}

TEST(MagicSquare, BrokenSquaresAreRefused) {
  Quadrat q = {};
  generar_quadrat_magic(q, 5);
  std::swap(q[0][0], q[0][1]);  // rows still equal, columns not
  EXPECT_EQ(validar_quadrat_magic(q, 5), 0);
  generar_quadrat_magic(q, 5);
  q[4][4] += 1;  // a row and a column off by one
  EXPECT_EQ(validar_quadrat_magic(q, 5), 0);
  // Equal rows and columns, unequal diagonals: 1 2 / 2 1 gives 2 and 4.
  Quadrat d = {{1, 2}, {2, 1}};
  EXPECT_EQ(validar_quadrat_magic(d, 2), 0);
  // The diagonals are compared with each other only: all 3s pass.
  Quadrat tresos = {{3, 3, 3}, {3, 3, 3}, {3, 3, 3}};
  EXPECT_EQ(validar_quadrat_magic(tresos, 3), 1);
}

const std::string p = "Fica la dimensio del quadrat magic (max. 9): ";
const std::string parell = "\tHas de ficar un nombre imparell!\n";
const std::string gran = "\tHas de ficar un nombre igual o inferior a 9!\n";
const std::string petit = "\tHas de ficar un nombre igual o superior a 3!\n";

// The printed grid of a size, from the construction.
std::string graella(int dim) {
  Quadrat q = {};
  generar_quadrat_magic(q, dim);
  std::string text = "\n\n";
  char camp[8];
  for (int f = 0; f < dim; f++) {
    for (int c = 0; c < dim; c++) {
      std::snprintf(camp, sizeof camp, "%4d", q[f][c]);
      text += camp;
    }
    text += "\n";
  }
  return text;
}

TEST(MagicSquare, Dialogue) {
  prova::comprova(
      "magic-square",
      {
          {.nom = "3", .entrada = "3\n", .sortida = p + "\n\n   6   1   8\n   7   5   3\n   2   9   4\n"},
          {.nom = "9 is 36 columns wide", .entrada = "9\n", .sortida = p + graella(9)},
          {.nom = "refusals",
           .entrada = "10\n2\n1\n-1\n4\n11\n0\n-2\n-7\n2147483647\n5\n",
           .sortida = p + parell + gran + p + parell + petit + p + petit + p + petit + p + parell + p + gran + p +
                      parell + petit + p + parell + petit + p + petit + p + gran + p + graella(5)},
          {.nom = "a non-number is asked again silently", .entrada = "set\n\n  7  \n", .sortida = p + p + graella(7)},
          {.nom = "a number too large for int is not a number",
           .entrada = "99999999999\n3\n",
           .sortida = p + p + graella(3)},
          {.nom = "end of input", .entrada = "", .sortida = p},
          {.nom = "end of input after refusals", .entrada = "4\nx\n", .sortida = p + parell + p + p},
      });
  EXPECT_EQ(graella(9).find("\n", 2) - 2, 36u);
}

}  // namespace
