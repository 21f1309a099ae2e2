// Una pilota que rebota en diagonal per la pantalla de 80 x 25 fins que es prem una tecla.
#include <cstdio>
#include <ctime>

#include "conio.h"
#include "plataforma.h"

// The fixed pause of each step.
void retard() { plataforma::_sleep(30); }

int main() {
  plataforma::avis_pantalla_completa();
  const int ample = 80, alt = 25;
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  int x = plataforma::rand() % ample + 1;
  int y = plataforma::rand() % alt + 1;
  int d = plataforma::rand() % 4;
  char bola = 'O';
  while (!conio::kbhit()) {
    conio::gotoxy(x, y);
    std::printf(" ");
    switch (d) {
      case 0: x++, y--; break;
      case 1: x--, y--; break;
      case 2: x++, y++; break;
      default: x--, y++; break;
    }
    if (d == 0) {
      if (x >= ample && y <= 1)
        d = 3;
      else if (x >= ample)
        d = 1;
      else if (y <= 1)
        d = 2;
    } else if (d == 1) {
      if (x <= 1 && y <= 1)
        d = 2;
      else if (x <= 1)
        d = 0;
      else if (y <= 1)
        d = 3;
    } else if (d == 2) {
      if (x >= ample && y >= alt)
        d = 1;
      else if (x >= ample)
        d = 3;
      else if (y >= alt)
        d = 0;
    } else {
      if (x <= 1 && y >= alt)
        d = 0;
      else if (x <= 1)
        d = 2;
      else if (y >= alt)
        d = 1;
    }
    conio::gotoxy(x, y);
    bola = bola == 'O' ? 'o' : 'O';
    std::printf("%c", bola);
    retard();
  }
  return 0;
}
