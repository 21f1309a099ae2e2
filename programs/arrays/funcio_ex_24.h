// Reading of a long number: one typed line of at most dim characters into an
// array of dim ints, one character per element as its code minus 48 (the
// code of the digit zero), right-aligned with leading zeros.
#ifndef FUNCIO_EX_24_H
#define FUNCIO_EX_24_H

#include <cstdio>
#include <cstdlib>

#include "plataforma.h"

// Moves the i characters stored at the front of n to its last i positions,
// from the last one backwards, and fills the positions before them with 0.
// When the read stopped on the limit, the rest of the line is dropped so it
// never reaches the next read; a line feed already read needs no dropping.
inline void alinea_nombre_llarg(int *n, int dim, int i, bool al_limit) {
  while (i > 0) {
    dim--;
    i--;
    n[dim] = n[i];
  }
  for (int x = 0; x < dim; x++) n[x] = 0;
  if (al_limit) plataforma::fflush(stdin);
}

// Reads with the character reader up to the line feed or the end of input,
// which ends the line just as a line feed does. When input had already
// ended before this number, there is nothing to add: the program ends.
inline void introdueix_nombre_llarg(int *n, int dim) {
  int i = 0;
  bool al_limit = false;
  int car = std::getchar();
  if (car == EOF) std::exit(0);
  while (car != '\n' && car != EOF) {
    if (i == dim) {  // the character past the limit is dropped with its line
      al_limit = true;
      break;
    }
    n[i] = car - 48;
    i++;
    car = std::getchar();
  }
  alinea_nombre_llarg(n, dim, i, al_limit);
}

// The same, reading each character with the formatted reader ("%c"). It
// stops at the line feed, at the end of input or on a failed read, stores
// at most dim characters and drops the rest of a longer line.
inline void introdueix_nombre_llarg2(int *n, int dim) {
  int i = 0;
  bool al_limit = false;
  char car;
  while (std::scanf("%c", &car) == 1 && car != '\n') {
    if (i == dim) {
      al_limit = true;
      break;
    }
    n[i] = static_cast<unsigned char>(car) - 48;
    i++;
  }
  alinea_nombre_llarg(n, dim, i, al_limit);
}

#endif
