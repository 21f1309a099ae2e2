// Board functions of the path grid: a board is rows of 10 int, of which f
// rows and c columns are in use (1 <= f <= 15, 1 <= c <= 10; outside that
// the functions do nothing). Cells: -1 empty, 0 free, 1 mine.
#ifndef TABLERO_H
#define TABLERO_H

#include <cstdio>

#include "plataforma.h"

inline bool tablero_valido(int f, int c) { return f >= 1 && f <= 15 && c >= 1 && c <= 10; }

inline void vaciar_tablero(int (*tablero)[10], int f, int c) {
  if (!tablero_valido(f, c)) return;
  for (int i = 0; i < f; i++)
    for (int j = 0; j < c; j++) tablero[i][j] = -1;
}

inline void mostrar_tablero(int (*tablero)[10], int f, int c) {
  if (!tablero_valido(f, c)) return;
  for (int i = 0; i < f; i++) {
    for (int j = 0; j < c; j++) std::printf("%d", tablero[i][j]);
    std::printf("\n");
  }
}

// Places the mines on empty cells (as many as there are empty cells, at
// most), then the other empty cells become free.
inline void crear_tablero(int (*tablero)[10], int f, int c, int minas) {
  if (!tablero_valido(f, c)) return;
  int vacias = 0;
  for (int i = 0; i < f; i++)
    for (int j = 0; j < c; j++) vacias += tablero[i][j] == -1;
  for (int puestas = 0; puestas < minas && puestas < vacias;) {
    int fila = plataforma::rand() % f;
    int columna = plataforma::rand() % c;
    if (tablero[fila][columna] == -1) {
      tablero[fila][columna] = 1;
      puestas++;
    }
  }
  for (int i = 0; i < f; i++)
    for (int j = 0; j < c; j++)
      if (tablero[i][j] == -1) tablero[i][j] = 0;
}

inline int sumar_adyacentes(int (*tablero)[10], int f, int c, int fila_celda, int columna_celda) {
  if (!tablero_valido(f, c) || fila_celda < 0 || fila_celda >= f || columna_celda < 0 || columna_celda >= c) return 0;
  int suma = 0;
  for (int i = fila_celda - 1; i <= fila_celda + 1; i++)
    for (int j = columna_celda - 1; j <= columna_celda + 1; j++)
      if (i >= 0 && i < f && j >= 0 && j < c) suma += tablero[i][j];
  return suma - tablero[fila_celda][columna_celda];
}

inline void crear_tablero_adyacentes(int (*tablero)[10], int (*tablero_adyacentes)[10], int f, int c) {
  if (!tablero_valido(f, c)) return;
  for (int i = 0; i < f; i++)
    for (int j = 0; j < c; j++) tablero_adyacentes[i][j] = sumar_adyacentes(tablero, f, c, i, j);
}

// The next cell of the path from one inside the board: the same, one down,
// one right or both, coded as row * c + column. -1 for a cell outside.
inline int celda_adyacente_aleatoria(int (*tablero)[10], int f, int c, int fila_celda, int columna_celda) {
  (void)tablero;
  if (!tablero_valido(f, c) || fila_celda < 0 || fila_celda >= f || columna_celda < 0 || columna_celda >= c) return -1;
  int fila, columna;
  do fila = fila_celda + plataforma::rand() % 2;
  while (fila < 0 || fila > f - 1);
  do columna = columna_celda + plataforma::rand() % 2;
  while (columna < 0 || columna > c - 1);
  int codigo = fila * c + columna;
  std::printf("\nAleatoria a (%d, %d) es: %d (%d, %d)\n", fila_celda, columna_celda, codigo, fila, columna);
  return codigo;
}

// Traces the path from the origin, one call per step; 1 when it reaches the
// destination, 0 as soon as it cannot any more (it only goes down and right).
inline int generar_camino(int (*tablero)[10], int f, int c, int f_origen, int c_origen, int f_destino, int c_destino) {
  if (!tablero_valido(f, c) || f_origen < 0 || f_origen >= f || c_origen < 0 || c_origen >= c || f_destino < 0 ||
      f_destino >= f || c_destino < 0 || c_destino >= c)
    return 0;
  int codigo = celda_adyacente_aleatoria(tablero, f, c, f_origen, c_origen);
  int f_adyacente = codigo / c, c_adyacente = codigo % c;
  tablero[f_origen][c_origen] = 0;
  if (f_origen == f_destino && c_origen == c_destino) {
    std::printf("\nfila: %d, columna:%d\n", f_destino, c_destino);
    mostrar_tablero(tablero, f, c);
    return 1;
  }
  if (f_adyacente > f_destino || c_adyacente > c_destino) return 0;
  if (f_origen == f - 1 && c_origen == c - 1) return 0;
  return generar_camino(tablero, f, c, f_adyacente, c_adyacente, f_destino, c_destino);
}

#endif
