// The path grid's board functions with the generator at a fixed seed,
// including boards and destinations the program itself never uses.
#include <gtest/gtest.h>

#include <cstdio>

#include "plataforma.h"
#include "tablero.h"

namespace {

int tauler[15][10];
int comptes[15][10];

TEST(Tablero, EmptyAndShow) {
  vaciar_tablero(tauler, 3, 4);
  EXPECT_EQ(-1, tauler[2][3]);
  tauler[0][0] = 0;
  vaciar_tablero(tauler, 0, 4);  // out of range: nothing
  vaciar_tablero(tauler, 16, 4);
  EXPECT_EQ(0, tauler[0][0]);
}

TEST(Tablero, MinesOnlyOnEmptyCellsAndNoMoreThanThere) {
  plataforma::srand(7);
  vaciar_tablero(tauler, 2, 2);
  tauler[0][0] = 0;
  crear_tablero(tauler, 2, 2, 10);  // three empty cells for ten mines
  EXPECT_EQ(0, tauler[0][0]);
  EXPECT_EQ(1, tauler[0][1]);
  EXPECT_EQ(1, tauler[1][0]);
  EXPECT_EQ(1, tauler[1][1]);
  vaciar_tablero(tauler, 10, 10);
  crear_tablero(tauler, 10, 10, 10);
  int minas = 0;
  for (int i = 0; i < 10; i++)
    for (int j = 0; j < 10; j++) {
      EXPECT_TRUE(tauler[i][j] == 0 || tauler[i][j] == 1);
      minas += tauler[i][j];
    }
  EXPECT_EQ(10, minas);
}

TEST(Tablero, CountsSeeTheNeighboursOnly) {
  vaciar_tablero(tauler, 15, 10);
  for (int i = 0; i < 15; i++)
    for (int j = 0; j < 10; j++) tauler[i][j] = 1;
  crear_tablero_adyacentes(tauler, comptes, 15, 10);
  EXPECT_EQ(3, comptes[0][0]);
  EXPECT_EQ(5, comptes[0][5]);
  EXPECT_EQ(5, comptes[7][9]);
  EXPECT_EQ(8, comptes[7][5]);
  EXPECT_EQ(3, comptes[14][9]);
  EXPECT_EQ(0, sumar_adyacentes(tauler, 15, 10, 15, 0));
}

TEST(Tablero, NextCellDrawsRowThenColumn) {
  // The generator at seed 1 gives 41, 18467, 6334, 26500, ...: rows and
  // columns step by value % 2.
  plataforma::srand(1);
  std::fflush(stdout);
  EXPECT_EQ(1 * 10 + 1, celda_adyacente_aleatoria(tauler, 10, 10, 0, 0));  // 41 % 2, 18467 % 2
  EXPECT_EQ(9 * 10 + 9, celda_adyacente_aleatoria(tauler, 10, 10, 9, 9));  // draws again at the edges
  EXPECT_EQ(-1, celda_adyacente_aleatoria(tauler, 10, 10, 10, 0));
  EXPECT_EQ(-1, celda_adyacente_aleatoria(tauler, 0, 0, 0, 0));
}

TEST(Tablero, PathEndsForEveryDestination) {
  for (unsigned semilla = 1; semilla <= 50; semilla++) {
    plataforma::srand(semilla);
    vaciar_tablero(tauler, 10, 10);
    int r = generar_camino(tauler, 10, 10, 0, 0, 4, 6);
    EXPECT_EQ(r == 1 ? 0 : -1, tauler[4][6]);
    vaciar_tablero(tauler, 10, 10);
    EXPECT_EQ(1, generar_camino(tauler, 10, 10, 0, 0, 9, 9));
    EXPECT_EQ(0, tauler[9][9]);
  }
  vaciar_tablero(tauler, 10, 10);
  EXPECT_EQ(0, generar_camino(tauler, 10, 10, 5, 5, 2, 2));  // destination behind the origin
  EXPECT_EQ(0, generar_camino(tauler, 10, 10, -1, 0, 9, 9));
  EXPECT_EQ(0, generar_camino(tauler, 10, 10, 0, 0, 10, 9));
  EXPECT_EQ(0, generar_camino(tauler, 10, 11, 0, 0, 9, 9));
  EXPECT_EQ(-1, tauler[0][0]);  // nothing drawn or marked
  EXPECT_EQ(1, generar_camino(tauler, 1, 1, 0, 0, 0, 0));
}

}  // namespace
