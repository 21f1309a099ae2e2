// Runs console library operations on this program's terminal for the tests:
// "dif <seed> <count>" the random sequence, "atributs" all 256 attributes,
// "cursor <type>" a cursor type, "ungetch" a key given back after typed
// ones, "texte <bytes>" the bytes printed, then the first two rows as
// _gettext reads them written to the file "celles"; then a marker, and a
// key ends it.
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conio.h"
#include "operacions.h"
#include "plataforma.h"

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  std::string ordre = argv[1];
  if (ordre == "dif" && argc == 4) {
    operacions(static_cast<unsigned>(std::atoi(argv[2])), std::atoi(argv[3]),
               [](const std::string &s) { std::fwrite(s.data(), 1, s.size(), stdout); });
  } else if (ordre == "atributs") {
    for (int a = 0; a < 256; a++) {
      conio::gotoxy(1 + (a % 16) * 2, 1 + a / 16);
      conio::textattr(a);
      conio::putch('X');
    }
  } else if (ordre == "cursor" && argc == 3) {
    conio::_setcursortype(std::atoi(argv[2]));
  } else if (ordre == "ungetch") {
    // Waits, in raw mode, until two keys are typed and not read; then gives
    // a key back and shows the next three keys.
    conio::kbhit();
    std::printf("teclegeu\n");
    std::fflush(stdout);
    for (int pendents = 0; ioctl(STDIN_FILENO, FIONREAD, &pendents) == 0 && pendents < 2;) poll(nullptr, 0, 5);
    conio::ungetch('a');
    int a = conio::getch(), b = conio::getch(), c = conio::getch();
    std::printf("llegides %c%c%c\n", a, b, c);
  } else if (ordre == "texte" && argc == 3) {
    std::fputs(argv[2], stdout);
    char celles[2 * 80 * 2];
    conio::_gettext(1, 1, 80, 2, celles);
    std::string files;
    for (std::size_t i = 0; i < sizeof celles; i += 2) files.push_back(celles[i]);
    FILE *f = std::fopen("celles", "w");
    if (!f) return 1;
    std::fputs(files.c_str(), f);
    std::fclose(f);
  } else {
    return 2;
  }
  plataforma::fflush(stdout);
  // Tells the test that everything is on the screen; a steady bar cursor
  // is the one shape the library never asks for.
  const char marca[] = "\x1b[6 q";
  if (write(STDOUT_FILENO, marca, sizeof marca - 1) < 0) return 1;
  conio::getch();
  return 0;
}
