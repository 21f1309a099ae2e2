// Console output for the output tests: "quadres <frame>..." each argument a
// frame of nou_quadre, "cls <before> <after>" text around a "cls", "pausa"
// a pause, "pausa-text" a pause and then text, "text <bytes>" the bytes.
// Every mode but "text" ends in a silent pause.
#include <cstdio>
#include <string>

#include "plataforma.h"

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  std::string ordre = argv[1];
  if (ordre == "quadres") {
    for (int i = 2; i < argc; i++) {
      plataforma::nou_quadre(0);
      std::fputs(argv[i], stdout);
    }
  } else if (ordre == "cls" && argc == 4) {
    std::fputs(argv[2], stdout);
    plataforma::system("cls");
    std::fputs(argv[3], stdout);
  } else if (ordre == "pausa") {
    plataforma::system("pause");
    return 0;
  } else if (ordre == "pausa-text") {
    plataforma::system("pause");
    std::fputs("Fi", stdout);
    return 0;
  } else if (ordre == "text" && argc == 3) {
    std::fputs(argv[2], stdout);
    return 0;
  } else {
    return 2;
  }
  plataforma::system("pause >NUL");
  return 0;
}
