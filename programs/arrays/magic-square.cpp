// Construeix un quadrat magic senar de la mida demanada i l'escriu en forma de graella.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

constexpr int dimensio_maxima = 9;

// The odd-order staircase: 1 in the middle of the top row, then each number
// one row up and one column left (wrapping), or right below the previous
// one when that cell is taken. The used cells are cleared first, since the
// rule tells taken cells by their being non-zero.
int generar_quadrat_magic(int (*matriu)[dimensio_maxima], int dim) {
  for (int f = 0; f < dim; f++)
    for (int c = 0; c < dim; c++) matriu[f][c] = 0;
  int numero_a_ficar = 1;
  int fila_a_ficar = 0, columna_a_ficar = dim / 2;
  matriu[fila_a_ficar][columna_a_ficar] = numero_a_ficar;
  for (int x = 2; x <= dim * dim; x++) {
    numero_a_ficar = x;
    int fila_anterior = fila_a_ficar, columna_anterior = columna_a_ficar;
    fila_a_ficar = fila_anterior - 1;
    if (fila_a_ficar < 0) fila_a_ficar = dim - 1;
    columna_a_ficar = columna_anterior - 1;
    if (columna_a_ficar < 0) columna_a_ficar = dim - 1;
    // For odd sizes the previous cell is never in the last row here.
    if (matriu[fila_a_ficar][columna_a_ficar] != 0) {
      fila_a_ficar = fila_anterior + 1;
      columna_a_ficar = columna_anterior;
    }
    matriu[fila_a_ficar][columna_a_ficar] = numero_a_ficar;
  }
  return 0;
}

// 1 when every row sum equals every column sum and the two diagonals add up
// to the same; 0 otherwise.
int validar_quadrat_magic(int (*matriu)[dimensio_maxima], int dim) {
  int suma_files[dimensio_maxima] = {}, suma_columnes[dimensio_maxima] = {};
  int suma_diagonals_principals[2] = {};
  int tot_be = 1;
  int x = 0, y = dim - 1;
  for (int f = 0; f < dim; f++) {
    suma_diagonals_principals[0] += matriu[f][x];
    x++;
    suma_diagonals_principals[1] += matriu[f][y];
    y--;
    for (int c = 0; c < dim; c++) {
      suma_columnes[c] += matriu[f][c];
      suma_files[f] += matriu[f][c];
    }
  }
  for (int f = 0; f < dim && tot_be; f++)
    for (int c = 0; c < dim && tot_be; c++)
      if (suma_files[f] != suma_columnes[c]) tot_be = 0;
  return tot_be && suma_diagonals_principals[0] == suma_diagonals_principals[1] ? 1 : 0;
}

int mostrar_matriu(int (*matriu)[dimensio_maxima], int dim) {
  for (int f = 0; f < dim; f++) {
    for (int c = 0; c < dim; c++) std::printf("%4d", matriu[f][c]);
    std::printf("\n");
  }
  return 0;
}

int main() {
  int quadrat_magic[dimensio_maxima][dimensio_maxima] = {};
  int dim;
  char pregunta[64];
  std::snprintf(pregunta, sizeof pregunta, "Fica la dimensio del quadrat magic (max. %d): ", dimensio_maxima);
  do {
    if (!lectura::pregunta(pregunta, "%d", &dim)) return 0;
    if (dim % 2 == 0) std::printf("\tHas de ficar un nombre imparell!\n");
    if (dim > dimensio_maxima) std::printf("\tHas de ficar un nombre igual o inferior a %d!\n", dimensio_maxima);
    if (dim < 3) std::printf("\tHas de ficar un nombre igual o superior a 3!\n");
  } while (dim % 2 == 0 || dim > dimensio_maxima || dim < 3);
  do {
    generar_quadrat_magic(quadrat_magic, dim);
  } while (validar_quadrat_magic(quadrat_magic, dim) == 0);
  std::printf("\n\n");
  mostrar_matriu(quadrat_magic, dim);
  plataforma::system("pause > NUL");
  return 0;
}
