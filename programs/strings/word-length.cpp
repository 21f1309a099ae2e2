// Llegeix una paraula i n'escriu el nombre de caracters.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  char paraula[40];  // the first 39 characters of the word
  int caracters = 0;
  if (!lectura::pregunta("Fica una paraula: ", "%39s", paraula)) return 0;
  while (paraula[caracters] != '\0') caracters++;
  std::printf("La paraula te %d caracters.", caracters);
  plataforma::system("pause>NUL");
}
