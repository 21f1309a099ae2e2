// Avanca un punter un element a traves d'un punter al punter. No mostra res i espera una tecla.
#include "plataforma.h"

int main() {
  int dim = 10;
  int *k = &dim;
  int **punter_k = &k;
  (*punter_k)++;  // k now points just past dim; nothing goes through it
  plataforma::system("pause >NUL");
  return 0;
}
