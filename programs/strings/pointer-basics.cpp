// Escriu cinc valors llegits i escrits per punters a enter.
#include <cstdio>

#include "plataforma.h"

int main() {
  int x = 5, y = 2;
  int *px = &x;
  std::printf("%d", *px);  // 5
  int *py = &y;
  std::printf("%d", *py);  // 2
  *px = *py;
  std::printf("%d", x);  // 2
  *px = 5;
  px = py;
  std::printf("%d", x);    // 5
  std::printf("%d", *px);  // 2
  plataforma::system("pause >NUL");
}
