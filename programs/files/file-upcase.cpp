// Passa a majuscules les lletres de la a a la z del fitxer anomenat, al mateix lloc, informant de cada byte.
#include <sys/types.h>

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "plataforma.h"

int main(int argc, char *argv[]) {
  constexpr int diferencia = 'a' - 'A';
  if (argc < 2) {
    std::printf("\nParametres insuficients!\n");
    plataforma::system("pause >NUL");
    return -1;
  }
  std::FILE *arxiu = plataforma::fopen(argv[1], "rt");
  if (!arxiu) {
    std::printf("\nNo existeix l'arxiu %s!\n", argv[1]);
    plataforma::system("pause >NUL");
    return -1;
  }
  std::fclose(arxiu);

  // A file that can be read but not written (read-only, or on a read-only
  // filesystem) is left as it is.
  arxiu = plataforma::fopen(argv[1], "r+b");
  off_t mida = -1;
  if (arxiu && fseeko(arxiu, 0, SEEK_END) == 0) mida = ftello(arxiu);
  if (mida < 0 || fseeko(arxiu, 0, SEEK_SET) != 0) {
    if (arxiu) std::fclose(arxiu);
    std::printf("\nNo es pot modificar l'arxiu %s!\n", argv[1]);
    plataforma::system("pause >NUL");
    return -1;
  }
  std::printf("\nL'arxiu te: %lld bytes\n", static_cast<long long>(mida));

  // The report, a line or two per byte, is gathered here and written a
  // block at a time: formatting each line with printf would take most of
  // the run on a large file.
  static char informe[1 << 16];
  std::size_t ple = 0;
  auto afegeix = [&](const char *text, std::size_t n) {
    if (ple + n > sizeof informe) {
      std::fwrite(informe, 1, ple, stdout);
      ple = 0;
    }
    std::memcpy(informe + ple, text, n);
    ple += n;
  };
  // "\n[byte %lld] " followed by what the line says of the byte.
  auto linia = [&](long long byte, std::string_view resta) {
    char text[64] = "\n[byte ";
    char *fi = std::to_chars(text + 7, text + 32, byte).ptr;
    *fi++ = ']';
    *fi++ = ' ';
    std::memcpy(fi, resta.data(), resta.size());
    afegeix(text, static_cast<std::size_t>(fi - text) + resta.size());
  };

  // The file goes by in blocks; the letters are raised in memory and a block
  // that changed is written back over itself, at its own position.
  static unsigned char bloc[1 << 16];
  bool escrit = true;
  for (off_t posicio = 0; posicio < mida && escrit;) {
    std::size_t demanat = sizeof bloc;
    if (mida - posicio < static_cast<off_t>(demanat)) demanat = static_cast<std::size_t>(mida - posicio);
    std::size_t llegits = std::fread(bloc, 1, demanat, arxiu);
    if (llegits == 0) break;
    bool canviat = false;
    for (std::size_t i = 0; i < llegits; i++) {
      long long byte = static_cast<long long>(posicio) + static_cast<long long>(i);
      const char c = static_cast<char>(bloc[i]);
      const char analitzant[] = {'A', 'n', 'a', 'l', 'i', 't', 'z', 'a', 'n', 't', ' ', '\'', c, '\'', '.', '.', '.'};
      linia(byte, {analitzant, sizeof analitzant});
      if (bloc[i] >= 'a' && bloc[i] <= 'z') {
        const char nou = static_cast<char>(bloc[i] - diferencia);
        const char canviem[] = {'C',  'a', 'n', 'v', 'i', 'e', 'm',  ' ', '\'', c,
                                '\'', ' ', 'p', 'e', 'r', ' ', '\'', nou, '\''};
        linia(byte, {canviem, sizeof canviem});
        bloc[i] = static_cast<unsigned char>(nou);
        canviat = true;
      }
    }
    if (canviat) escrit = fseeko(arxiu, posicio, SEEK_SET) == 0 && std::fwrite(bloc, 1, llegits, arxiu) == llegits;
    posicio += static_cast<off_t>(llegits);
    // The next read starts where this block ends (a seek also separates a
    // write from the read after it).
    if (escrit) escrit = fseeko(arxiu, posicio, SEEK_SET) == 0;
  }
  std::fwrite(informe, 1, ple, stdout);
  if (std::fclose(arxiu) != 0) escrit = false;
  if (!escrit) {
    std::printf("\nNo es pot modificar l'arxiu %s!\n", argv[1]);
    plataforma::system("pause >NUL");
    return -1;
  }
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
