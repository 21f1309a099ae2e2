// Stand-in for a program that copies what is typed, character by character,
// into a text file until end of input: the load of the input benchmark.
// Built twice: on the layer, and (ESCRIPTOR_PLA) on the C library's own
// streams, its peer.
#include <cstdio>

#ifdef ESCRIPTOR_PLA
#define obre std::fopen
#else
#include "plataforma.h"
#define obre plataforma::fopen
#endif

int main(int argc, char **argv) {
  std::FILE *f = obre(argc > 1 ? argv[1] : "sortida.txt", "w");
  if (!f) return 1;
  for (int c; (c = std::getchar()) != EOF;) std::fputc(c, f);
  return std::fclose(f) == 0 ? 0 : 1;
}
