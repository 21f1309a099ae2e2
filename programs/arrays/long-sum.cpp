// Suma dos nombres de fins a quatre xifres guardats xifra a xifra, com es fa a ma.
#include <cstdio>

#include "funcio_ex_24.h"
#include "plataforma.h"

constexpr int maxim_xifres = 4;

// resultat = n1 + n2, adding from the last digit with C's truncating / and %
// (so a non-digit character may give a negative carry). resultat holds
// maxim_xifres + 1 elements: the carry out of the first digit is kept in
// front of the digits, so 9999 + 1 gives 1, 0, 0, 0, 0.
void fer_suma(int *n1, int *n2, int *resultat) {
  int carry = 0;
  for (int x = maxim_xifres - 1; x >= 0; x--) {
    int suma = n1[x] + n2[x] + carry;
    resultat[x + 1] = suma % 10;
    carry = suma / 10;
  }
  resultat[0] = carry;
}

// Each element with "%d" after the leading zeros; a number that is all zeros
// shows as 0.
void mostra_nombre_llarg(int *n, int dim) {
  int i = 0;
  while (i < dim && n[i] == 0) i++;
  if (i == dim) std::printf("0");
  for (; i < dim; i++) std::printf("%d", n[i]);
}

int main() {
  int n1[maxim_xifres], n2[maxim_xifres], resultat[maxim_xifres + 1];
  std::printf("Fica un nombre (maxim %d xifres): ", maxim_xifres);
  introdueix_nombre_llarg(n1, maxim_xifres);
  std::printf("\tNombre guardat: ");
  mostra_nombre_llarg(n1, maxim_xifres);
  std::printf("\n\nFica un altre nombre (maxim %d xifres): ", maxim_xifres);
  introdueix_nombre_llarg(n2, maxim_xifres);
  std::printf("\tNombre guardat: ");
  mostra_nombre_llarg(n2, maxim_xifres);
  fer_suma(n1, n2, resultat);
  std::printf("\n\nTotal: ");
  mostra_nombre_llarg(resultat, maxim_xifres + 1);
  plataforma::system("pause >NUL");
  return 0;
}
