// Llista les ternes de xifres diferents els quadrats de les quals sumen un quadrat perfecte.
#include <cstdio>

#include "mates.h"
#include "plataforma.h"
#include "util.h"

int main() {
  for (int x = 1; x <= 9; x++)
    for (int y = x + 1; y <= 9; y++)
      for (int z = y + 1; z <= 9; z++) {
        int suma = static_cast<int>(potencia(x, 2) + potencia(y, 2) + potencia(z, 2));
        if (quadrat_perfecte(suma)) std::printf("%d i %d i %d => SI\n", x, y, z);
      }
  plataforma::system("pause >NUL");
}
