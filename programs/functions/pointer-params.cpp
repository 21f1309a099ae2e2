// Tres crides a una funcio que suma en una variable per un punter. No mostra res i espera una tecla.
#include "plataforma.h"

void p(int x, int y, int *z) { *z = x + y + *z; }

int main() {
  int a = 5, b = 8, c = 3;
  p(a, b, &c);          // c = 16
  p(7, a + b + c, &a);  // a = 41
  p(a * b, a / b, &c);  // c = 349
  plataforma::system("pause>nul");
}
