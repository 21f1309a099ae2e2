// Llegeix linies fins que una acaba amb la paraula de parada.
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // a line keeps at most 254 characters

int main() {
  char frase[mida];
  char paraula_parada[10] = "zabrol";
  std::printf("Fica un text (escriu %s per parar): ", paraula_parada);
  const std::size_t s = std::strlen(paraula_parada);
  // The end of input ends the text just as the stop word does. A line
  // shorter than the stop word cannot end with it.
  while (lectura::llegeix_linia(frase, mida)) {
    std::size_t llargada = std::strlen(frase);
    if (llargada >= s && std::strcmp(frase + llargada - s, paraula_parada) == 0) break;
  }
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}
