// Mostra que 0.24 per 100 es trunca a 23 i s'arrodoneix a 24.
#include <cstdio>

#include "plataforma.h"

int main() {
  float x = 0.24f;  // stored as 0.2399999946...
  // The products are taken with x widened to double (23.99999946...); a
  // float product would round to 24.0 and hide the truncation.
  int n1 = static_cast<int>(static_cast<double>(x) * 100);
  int n2 = static_cast<int>(static_cast<double>(x) * 100 + 0.5);
  std::printf("x=%g\nn1=%d\nn2=%d\nx=%.25f", x, n1, n2, x);
  plataforma::system("pause");
}
