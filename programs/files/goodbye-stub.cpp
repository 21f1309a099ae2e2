// Nomes diu adeu.
#include <cstdio>

#include "plataforma.h"

int main() {
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
