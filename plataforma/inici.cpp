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

int descriptor_avis_pausa = -1;

namespace {

// The program's last output goes out before the terminal is put back; on a
// terminal a program that ends in the middle of a row gets a line feed, so
// that the shell's prompt does not stick to its last words. Output that
// could not be written (or went to a standard output closed at start) is
// not a success: a message on standard error and status 1, as the standard
// tools do. A program that ended just after a pause of its own that took a
// key says so to the launcher that asked.
void tanca_en_sortir() {
  sincronitza_observador();
  bool pausa = pausa_final;
  acaba_fila();
  buida_sortida();
  int error = error_sortida;
  if (error == 0 && std::ferror(stdout)) error = EIO;
  if (error == 0 && sortida_tancada && bytes_programa > 0) error = EBADF;
  restaura_aparenca();
  restaura_terminal(true);
  torna_entrada_no_lliurada();
  if (error != 0) {
    std::fprintf(stderr, "%s: write error: %s\n", program_invocation_short_name, std::strerror(error));
    _exit(1);
  }
  if (pausa && descriptor_avis_pausa >= 0) {
    ssize_t escrit = write(descriptor_avis_pausa, "p", 1);
    (void)escrit;  // a launcher that stopped listening adds its own pause
  }
}

// A program started with one of its standard descriptors closed would have
// the first file it opens take its place (and print its prompts into it):
// such a descriptor is opened onto /dev/null first. A closed standard
// output is remembered: what the program writes there is lost.
void obre_estandards_tancats() {
  for (int fd = 0; fd <= 2; fd++) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    if (fd == STDOUT_FILENO) sortida_tancada = true;
    int nul = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (nul >= 0 && nul != fd) {
      dup2(nul, fd);
      close(nul);
    }
  }
}

// The launcher's descriptor for the pause notice: taken out of the
// environment (the program's own children do not see it) and closed on exec.
void llegeix_avis_pausa() {
  const char *valor = std::getenv(variable_avis_pausa);
  if (!valor) return;
  char *fi = nullptr;
  errno = 0;
  long fd = std::strtol(valor, &fi, 10);
  bool valid = errno == 0 && fi != valor && *fi == '\0' && fd > 2 && fd < 1 << 20;
  unsetenv(variable_avis_pausa);
  if (!valid || fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC) != 0) return;
  descriptor_avis_pausa = static_cast<int>(fd);
}

void inicia() {
  obre_estandards_tancats();
  llegeix_avis_pausa();
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
