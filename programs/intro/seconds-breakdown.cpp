// Descompon un nombre de segons en setmanes, dies, hores, minuts i segons.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int segons;
  if (!lectura::pregunta("\n\nFica un numero de segons: ", "%d", &segons)) return 0;
  std::printf("\n\nLa quantitat de %d segons es desglosa aixi:\n", segons);
  // Integer divisions in cascade; C's division truncates toward zero, so a
  // negative count gives negative parts. Weeks are not reduced further.
  int minuts = segons / 60;
  segons = segons % 60;
  int hores = minuts / 60;
  minuts = minuts % 60;
  int dies = hores / 24;
  hores = hores % 24;
  int setmanes = dies / 7;
  dies = dies % 7;
  std::printf("%d setmanes\n", setmanes);
  std::printf("%d dies\n", dies);
  std::printf("%d hores\n", hores);
  std::printf("%d minuts\n", minuts);
  std::printf("%d segons\n\n", segons);
  plataforma::system("pause");
}
