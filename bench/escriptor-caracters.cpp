// Stand-in for a program that copies what is typed, character by character,
// into a text file until end of input: the load of the input benchmark.
#include <cstdio>

#include "plataforma.h"

int main(int argc, char **argv) {
  std::FILE *f = plataforma::fopen(argc > 1 ? argv[1] : "sortida.txt", "w");
  if (!f) return 1;
  for (int c; (c = std::getchar()) != EOF;) std::fputc(c, f);
  return std::fclose(f) == 0 ? 0 : 1;
}
