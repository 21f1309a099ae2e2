// Console output: every byte for the console passes through escriu_consola,
// the one place where the console's code page meets the terminal.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "intern.h"

namespace plataforma::intern {

bool escriu_tot(int fd, const char *dades, std::size_t mida) {
  while (mida > 0) {
    ssize_t n = write(fd, dades, mida);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    dades += n;
    mida -= static_cast<std::size_t>(n);
  }
  return true;
}

ssize_t escriu_consola(void *, const char *dades, std::size_t mida) {
  if (!escriu_tot(STDOUT_FILENO, dades, mida)) return -1;
  return static_cast<ssize_t>(mida);
}

void buida_sortida() { std::fflush(stdout); }

}  // namespace plataforma::intern
