// Prints the letters a to z on one line.
#include <cstdio>

#include "plataforma.h"

int main() {
  for (int ascii = 'a'; ascii <= 'z'; ascii++) std::printf("%c ", ascii);
  plataforma::system("pause >NUL");
}
