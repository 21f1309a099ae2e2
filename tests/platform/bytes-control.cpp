// Prints every control byte that a terminal would act on, each after an
// "a", then waits for a key: for the tests of the layer's stand-ins.
#include <cstdio>

#include "plataforma.h"

int main() {
  for (int b = 1; b < 128; b++) {
    bool actua = (b < 32 && b != '\a' && b != '\b' && b != '\t' && b != '\n' && b != '\r') || b == 127;
    if (actua) std::printf("a%c", b);
  }
  std::printf("\n");
  plataforma::system("pause >NUL");
  return 0;
}
