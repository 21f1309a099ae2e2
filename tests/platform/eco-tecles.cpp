// Test helper: shows the codes of the keys it reads, with the mode asked for
// on its command line ("getch", "kbhit", "pausa", "senyal", "falla", "cls",
// "atzar", "sondeig", "obert", "linia").
#include <csignal>
#include <cstdio>
#include <cstring>

#include "plataforma.h"

namespace {
void represa() { std::printf("represa\n"); }
}  // namespace

int main(int argc, char **argv) {
  const char *mode = argc > 1 ? argv[1] : "getch";
  if (std::strcmp(mode, "getch") == 0) {
    // Shows each code until "q".
    std::printf("llest\n");
    for (int codi = 0; codi != 'q';) {
      codi = plataforma::_getch();
      std::printf("[%d]", codi);
    }
    std::printf("\nfi\n");
  } else if (std::strcmp(mode, "kbhit") == 0) {
    // Polls until a key is waiting, then reads it: the poll must not take it.
    std::printf("llest\n");
    while (!plataforma::_kbhit()) plataforma::_sleep(5);
    std::printf("[%d]\n", plataforma::_getch());
  } else if (std::strcmp(mode, "pausa") == 0) {
    // A pause, then a line: the key of the pause is not part of the line.
    // A resume after a suspend says so.
    plataforma::en_reprendre(represa);
    std::printf("llest\n");
    plataforma::system("pause");
    char linia[64] = "";
    if (std::fgets(linia, sizeof linia, stdin)) std::printf("linia=%s", linia);
    std::printf("fi\n");
  } else if (std::strcmp(mode, "linia") == 0) {
    // A line, then a wait that reads nothing; the test ends it with a signal.
    char linia[64] = "";
    if (std::fgets(linia, sizeof linia, stdin)) std::printf("linia=%s", linia);
    plataforma::_sleep(60000);
  } else if (std::strcmp(mode, "senyal") == 0) {
    // Waits in raw mode; the test ends it with a signal.
    std::printf("llest\n");
    plataforma::_getch();
    std::printf("fi\n");
  } else if (std::strcmp(mode, "falla") == 0) {
    // Crashes while in raw mode.
    plataforma::_kbhit();
    std::printf("llest\n");
    std::fflush(stdout);
    std::raise(SIGSEGV);
  } else if (std::strcmp(mode, "sondeig") == 0) {
    // After each "g", sleeps and then polls every 200 ms; shows the key and
    // at which poll it was seen. "q" ends.
    std::printf("llest\n");
    while (plataforma::_getch() == 'g') {
      int sondeig = 1;
      for (plataforma::_sleep(200); !plataforma::_kbhit(); sondeig++) plataforma::_sleep(200);
      int codi = plataforma::_getch();
      std::printf("[%d@%d]", codi, sondeig);
      if (codi == 0 || codi == 224) std::printf("[%d]", plataforma::_getch());  // never waits
    }
    std::printf("\nfi\n");
  } else if (std::strcmp(mode, "obert") == 0) {
    // Ends with files still open: what they hold is written, and nothing
    // counts as leaked.
    std::FILE *text = plataforma::fopen("text.txt", "w");
    std::fputs("u\ndos", text);
    std::FILE *binari = plataforma::fopen("binari.dat", "wb");
    std::fputs("u\n", binari);
    std::FILE *lectura = plataforma::fopen("text.txt", "r");
    std::printf("%d\n", lectura != nullptr);
  } else if (std::strcmp(mode, "atzar") == 0) {
    // The generator's first draws, unseeded.
    int a = plataforma::rand(), b = plataforma::rand();
    std::printf("%d %d %d\n", a, b, plataforma::rand());
  } else if (std::strcmp(mode, "cls") == 0) {
    std::printf("abans\n");
    plataforma::system("cls");
    std::printf("despres");
    plataforma::_getch();
  }
  return 0;
}
