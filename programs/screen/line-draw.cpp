// Omple d'estrelles el rectangle entre dues cantonades escrites, posades amb la biblioteca de consola.
#include <cstdio>

#include "conio.h"
#include "lectura.h"
#include "mates.h"
#include "plataforma.h"
#include "util.h"

// Coordinates above this are asked again like negative ones: at most a
// million stars, and loops that always end.
constexpr int coordenada_maxima = 999;

int main() {
  plataforma::avis_pantalla_completa();
  int x1, y1, x2, y2;
  std::printf("Introdueix la primera coordenada:\n");
  if (!lectura::demana("\tX1: ", x1, 0, coordenada_maxima)) return 0;
  if (!lectura::demana("\tY1: ", y1, 0, coordenada_maxima)) return 0;
  std::printf("Introdueix la segona coordenada (te que ser mes gran):\n");
  if (!lectura::demana("\tX2: ", x2, 0, coordenada_maxima)) return 0;
  if (!lectura::demana("\tY2: ", y2, 0, coordenada_maxima)) return 0;
  if (x1 > x2) intercanvia(&x1, &x2);
  if (y1 > y2) intercanvia(&y1, &y2);
  std::printf("Dibuixant des de (%d, %d) fins (%d, %d)...\n", x1, y1, x2, y2);
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) {
      conio::gotoxy(x, y);
      std::printf("*");
    }
  plataforma::system("pause >NUL");
  return 0;
}
