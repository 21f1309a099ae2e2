// Escriu una paraula tantes vegades com diu el segon argument.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "plataforma.h"

int main(int argc, char *argv[]) {
  if (argc < 3) {
    std::printf("\nParametres insuficients!\n");
  } else {
    // Text to integer as the original runtime converted it: leading blanks,
    // a sign, the digits up to the first other character, 0 for no digits,
    // and a number beyond int held at int's nearest end.
    long llegit = std::strtol(argv[2], nullptr, 10);
    int vegades = llegit > INT_MAX ? INT_MAX : llegit < INT_MIN ? INT_MIN : static_cast<int>(llegit);
    if (vegades <= 0) {
      std::printf("\nEl segon parametre ha de ser un numero!\n");
    } else {
      // Once the output cannot be written any more, the copies left are not tried.
      for (int i = 0; i < vegades && !std::ferror(stdout); i++) std::printf("%s", argv[1]);
      std::printf("\n");
    }
  }
  plataforma::system("pause >NUL");
  return 0;
}
