// Import de l'electricitat pels kW consumits, en tres trams.
#include <cstdio>

#include "lectura.h"
#include "mates.h"
#include "plataforma.h"

// The first 600 kW at 0.6, the next 300 at 0.3, the rest at 0.1.
float carrec(int kw) {
  float total;
  if (kw < 600) {
    total = kw * 0.6;
  } else {
    total = 360;
    kw = kw - 600;
    if (kw < 300) {
      total = total + kw * 0.3;
    } else {
      total = total + 90;
      kw = kw - 300;
      if (kw > 0) total = total + kw * 0.1;
    }
  }
  return total;
}

int main() {
  int kw;
  if (!lectura::pregunta("\nIntrodueix els kw consumits: ", "%d", &kw)) return 0;
  std::printf("\nEl total es: %g", carrec(kw));
  plataforma::system("pause >NUL");
}
