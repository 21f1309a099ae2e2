// Start-up: the standard streams are put on the console before main runs,
// and the terminal is restored when the program ends.
#include <cstdio>
#include <cstdlib>

#include "intern.h"

namespace plataforma::intern {

namespace {

// The program's last output goes out before the terminal is put back.
void tanca_en_sortir() {
  buida_sortida();
  restaura_aparenca();
  restaura_terminal();
}

void inicia() {
  cookie_io_functions_t entrada{llegeix_consola, nullptr, nullptr, nullptr};
  cookie_io_functions_t sortida{nullptr, escriu_consola, nullptr, nullptr};
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
