// Array library: sorting (selection, insertion and bubble, ascending and
// descending), position of the smallest or largest element, random filling,
// printing, exchange, and sequential and bisection searches over int arrays.
//
// Every function works in place on storage that the caller owns and keeps no
// state. Arguments are not checked; the caller guarantees:
// - dim >= 0, with storage for dim elements behind vector;
// - index_inicial in 0 .. dim-1 for cercar_mes_petit and cercar_mes_gran;
// - min <= max in omplir_vector, with max - min + 1 representable as int
//   (otherwise the width of the range is 0 or overflows, and the remainder
//   divides by zero or is undefined);
// - an ascending array for recerca_dicotomica.
#ifndef TAULES_H
#define TAULES_H

#include <cstdio>
#include <ctime>

#include "intercanvia.h"
#include "plataforma.h"

inline int cercar_mes_petit(int *vector, int dim, int index_inicial);
inline int cercar_mes_gran(int *vector, int dim, int index_inicial);

// Ascending, by direct selection: each place takes the smallest of the rest.
inline void seleccio_directa(int *vector, int dim) {
  for (int x = 0; x < dim - 1; x++) {
    int index_mes_petit = cercar_mes_petit(vector, dim, x);
    int backup = vector[x];
    vector[x] = vector[index_mes_petit];
    vector[index_mes_petit] = backup;
  }
}

// Ascending, by direct insertion: each element is shifted down past the
// greater ones before it.
inline void insercio_directa(int *vector, int dim) {
  for (int x = 1; x < dim; x++) {
    int backup = vector[x];
    int y = x;
    while (y > 0 && vector[y - 1] > backup) {
      vector[y] = vector[y - 1];
      y--;
    }
    vector[y] = backup;
  }
}

// Ascending, by bubble sort. Every pass runs to its end: dim*(dim-1)/2
// comparisons always.
inline void metode_bombolla(int *vector, int dim) {
  for (int x = dim - 1; x > 0; x--)
    for (int y = 0; y < x; y++)
      if (vector[y] > vector[y + 1]) intercanvia(&vector[y], &vector[y + 1]);
}

// Index of the smallest element from index_inicial on; the first of equal
// smallest values wins.
inline int cercar_mes_petit(int *vector, int dim, int index_inicial) {
  int posicio = index_inicial;
  for (int x = index_inicial + 1; x < dim; x++)
    if (vector[x] < vector[posicio]) posicio = x;
  return posicio;
}

inline void seleccio_directa_descendent(int *vector, int dim) {
  for (int x = 0; x < dim - 1; x++) {
    int index_mes_gran = cercar_mes_gran(vector, dim, x);
    int backup = vector[x];
    vector[x] = vector[index_mes_gran];
    vector[index_mes_gran] = backup;
  }
}

inline void insercio_directa_descendent(int *vector, int dim) {
  for (int x = 1; x < dim; x++) {
    int backup = vector[x];
    int y = x;
    while (y > 0 && vector[y - 1] < backup) {
      vector[y] = vector[y - 1];
      y--;
    }
    vector[y] = backup;
  }
}

inline void metode_bombolla_descendent(int *vector, int dim) {
  for (int x = dim - 1; x > 0; x--)
    for (int y = 0; y < x; y++)
      if (vector[y] < vector[y + 1]) intercanvia(&vector[y], &vector[y + 1]);
}

// Index of the largest element from index_inicial on; the first of equal
// largest values wins.
inline int cercar_mes_gran(int *vector, int dim, int index_inicial) {
  int posicio = index_inicial;
  for (int x = index_inicial + 1; x < dim; x++)
    if (vector[x] > vector[posicio]) posicio = x;
  return posicio;
}

// dim random values in min .. max, both included. The generator is seeded
// with the current second at every call, so two calls within the same
// second store the same values.
inline void omplir_vector(int *vector, int dim, int min, int max) {
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  for (int x = 0; x < dim; x++) vector[x] = plataforma::rand() % (max - min + 1) + min;
}

// The elements as "a, b, c" on the current line: after the last ", " two
// backspaces and a blank step back over it. No line break.
inline void mostrar_vector(int *vector, int dim) {
  for (int x = 0; x < dim; x++) std::printf("%d, ", vector[x]);
  std::printf("\b\b ");
}

// intercanvia(a, b) comes from intercanvia.h.

// Index of the first element equal to valor, or -1.
inline int recerca_sequencial(int *vector, int dim, int valor) {
  int index_buscat = -1;
  for (int x = 0; x < dim && index_buscat < 0; x++)
    if (vector[x] == valor) index_buscat = x;
  return index_buscat;
}

// Index of an element equal to valor in an ascending array, or -1: the first
// equal element met on the bisection path, not necessarily the first
// occurrence.
inline int recerca_dicotomica(int *vector, int dim, int valor) {
  int min = 0, max = dim - 1, index_buscat = -1;
  while (min <= max && index_buscat == -1) {
    int mig = min + (max - min) / 2;  // (min + max) / 2 without overflowing int
    if (vector[mig] > valor)
      max = mig - 1;
    else if (vector[mig] < valor)
      min = mig + 1;
    else
      index_buscat = mig;
  }
  return index_buscat;
}

#endif
