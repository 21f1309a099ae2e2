// Converteix graus Celsius a Fahrenheit.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

constexpr char signe_graus = static_cast<char>(248);  // the degree sign of the console's code page

int main() {
  float celsius;
  if (!lectura::pregunta("\n\nIntroduce els graus celsius: ", "%f", &celsius)) return 0;
  float fahrenheit = celsius * 9 / 5 + 32;
  std::printf("\nSon: %.2f%cF\n", fahrenheit, signe_graus);
  plataforma::system("pause");
}
