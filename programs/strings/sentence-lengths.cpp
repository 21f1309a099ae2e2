// Llegeix linies fins a una paraula de parada i diu quantes son curtes, mitjanes, llargues i molt llargues, i el %.
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // a line keeps at most 254 characters

int main() {
  char frase[mida];
  char paraula_parada[10] = ".";
  int nombre_cadenes_longitud[4] = {0, 0, 0, 0};  // 0 to 4, 5 to 10, 11 to 15, 16 or more characters
  int frases = 0;
  std::printf("Fica un text (escriu %s per parar):\n\t>", paraula_parada);
  // The end of input ends the text just as the stop word does.
  while (lectura::llegeix_linia(frase, mida) && std::strcmp(frase, paraula_parada) != 0) {
    std::size_t llargada = std::strlen(frase);
    int classe = llargada <= 4 ? 0 : llargada <= 10 ? 1 : llargada <= 15 ? 2 : 3;
    nombre_cadenes_longitud[classe]++;
    frases++;
    std::printf("\t>");
  }
  // With no sentences every percentage is 0 rather than 0 divided by 0.
  double percentatge[4];
  for (int i = 0; i < 4; i++) percentatge[i] = frases == 0 ? 0.0 : nombre_cadenes_longitud[i] * 100.0 / frases;
  std::printf(
      "\n\n"
      "                Frases menors de 5 caracters: %d (%.2f%%)\n"
      "                Frases entre cinc i deu caracters: %d (%.2f%%)\n"
      "                Frases entre onze i quinze caracters: %d (%.2f%%)\n"
      "                Frases majors que quinze: %d (%.2f%%)\n"
      "                Total de frases: %d (100%%)           ",
      nombre_cadenes_longitud[0], percentatge[0], nombre_cadenes_longitud[1], percentatge[1],
      nombre_cadenes_longitud[2], percentatge[2], nombre_cadenes_longitud[3], percentatge[3], frases);
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}
