// Classifica un caracter com a lletra majuscula, lletra minuscula o un altre caracter.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  std::printf("\n\nIntrodueix un caracter: ");
  char caracter;
  if (lectura::llegeix_valors("%c", &caracter) != 1) return 0;
  std::printf("\n");
  // Only the English letters count: bytes above 127 are never letters.
  unsigned char codi = static_cast<unsigned char>(caracter);
  if (codi >= 'A' && codi <= 'Z')
    std::printf("Lletra mayuscula");
  else if (codi >= 'a' && codi <= 'z')
    std::printf("Lletra minuscula");
  else
    std::printf("No es una lletra del alfabet angles.");
  std::printf("\n\n");
  plataforma::system("pause >nul");
}
