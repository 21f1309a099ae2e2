// Test helper: reads long numbers with the reader named on its command line
// ("1" or "2"), as many as asked, into arrays of the size asked, and shows
// each stored array.
#include <cstdio>
#include <cstdlib>

#include "funcio_ex_24.h"

int main(int argc, char **argv) {
  const bool segon = argc > 1 && argv[1][0] == '2';
  const int vegades = argc > 2 ? std::atoi(argv[2]) : 1;
  const int dim = argc > 3 ? std::atoi(argv[3]) : 4;
  int n[16];
  for (int v = 0; v < vegades; v++) {
    for (int &x : n) x = 99;
    if (segon)
      introdueix_nombre_llarg2(n, dim);
    else
      introdueix_nombre_llarg(n, dim);
    for (int i = 0; i < dim; i++) std::printf(i ? " %d" : "%d", n[i]);
    std::printf(" |%d\n", n[dim]);  // the element past the number is never written
  }
}
