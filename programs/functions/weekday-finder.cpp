// Llegeix una data i escriu el nom del dia de la setmana en catala.
#include <cstdio>

#include "data.h"
#include "lectura.h"
#include "plataforma.h"

int main() {
  int dia, mes, any;
  std::printf("Introdueix una data en format dd/mm/aa: ");
  int llegit = lectura::llegeix_valors("%d/%d/%d", &dia, &mes, &any);
  if (llegit == lectura::fi_entrada) return 0;
  // A reply that is not a date is answered as a date that does not exist.
  switch (llegit == 1 ? dia_setmana(dia, mes, any) : 7) {
    case 0: std::printf("Diumenge\n"); break;
    case 1: std::printf("Dilluns\n"); break;
    case 2: std::printf("Dimarts\n"); break;
    case 3: std::printf("Dimecres\n"); break;
    case 4: std::printf("Dijous\n"); break;
    case 5: std::printf("Divendres\n"); break;
    case 6: std::printf("Disabte\n"); break;
    default: std::printf("Error\n");
  }
  plataforma::system("pause >NUL");
}
