// Percentatge de descompte entre un preu real i el preu pagat.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  float preu_real, preu_pagat;
  if (!lectura::pregunta("\n\nIntrodueix el preu real: ", "%f", &preu_real)) return 0;
  if (!lectura::pregunta("\nIntrodueix el preu pagar: ", "%f", &preu_pagat)) return 0;
  float diferencia = preu_real - preu_pagat;
  if (preu_real == 0) {
    std::printf("\nEl preu real no pot ser 0\n\n");
  } else {
    float percentatge = diferencia / preu_real * 100;
    // Truncated toward zero only when an int can hold it: an infinite, NaN
    // (no comparison holds) or too large ratio has no percentage to show.
    if (percentatge >= -2147483648.0f && percentatge < 2147483648.0f)
      std::printf("\nEl descompte es del: %d%%\n\n", static_cast<int>(percentatge));
    else
      std::printf("\nEl descompte no es pot calcular\n\n");
  }
  plataforma::system("pause > nul | echo Fin");
}
