// Start-up: the standard streams are put on the console before main runs,
// and the terminal is restored when the program ends.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "intern.h"

namespace plataforma::intern {

namespace {

// The program's last output goes out before the terminal is put back. Output
// that could not be written is not a success: a message on standard error
// and status 1, as the standard tools do.
void tanca_en_sortir() {
  bool fallada = std::fflush(stdout) != 0 || std::ferror(stdout);
  int error = errno;
  restaura_aparenca();
  restaura_terminal(true);
  torna_entrada_no_lliurada();
  if (fallada) {
    std::fprintf(stderr, "%s: write error: %s\n", program_invocation_short_name, std::strerror(error));
    _exit(1);
  }
}

// A program started with one of its standard descriptors closed would have
// the first file it opens take its place (and print its prompts into it):
// such a descriptor is opened onto /dev/null first.
void obre_estandards_tancats() {
  for (int fd = 0; fd <= 2; fd++) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int nul = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (nul >= 0 && nul != fd) {
      dup2(nul, fd);
      close(nul);
    }
  }
}

void inicia() {
  obre_estandards_tancats();
  cookie_io_functions_t entrada {llegeix_consola, nullptr, nullptr, nullptr};
  cookie_io_functions_t sortida {nullptr, escriu_consola, nullptr, nullptr};
  FILE *nova_entrada = fopencookie(nullptr, "r", entrada);
  FILE *nova_sortida = fopencookie(nullptr, "w", sortida);
  if (!nova_entrada || !nova_sortida) return;
  std::setvbuf(nova_sortida, nullptr, _IOFBF, 1 << 16);
  stdin = nova_entrada;
  stdout = nova_sortida;
  prepara_terminal();
  std::atexit(tanca_en_sortir);
}

struct Inicialitzacio {
  Inicialitzacio() { inicia(); }
} inicialitzacio;

}  // namespace

}  // namespace plataforma::intern
