// The command interpreter's commands that the programs run: "cls" and the
// pauses; and the sleep.
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

#include "consola.h"
#include "intern.h"
#include "plataforma.h"

namespace plataforma {

namespace {

using namespace intern;

std::string minuscules(std::string_view text) {
  std::string r(text);
  for (char &c : r) c = baixa(c);
  return r;
}

std::string sense_espais(std::string_view text) {
  std::string r;
  for (char c : text)
    if (c != ' ' && c != '\t') r.push_back(c);
  return r;
}

std::string_view retalla(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

constexpr std::string_view missatge_pausa = "Premeu qualsevol tecla per continuar . . . ";

}  // namespace

int system(const char *ordre) {
  std::string_view text = retalla(ordre ? ordre : "");
  std::string compacta = minuscules(sense_espais(text));
  if (compacta == "cls") {
    esborra_pantalla();
    return 0;
  }
  if (compacta == "pause") {
    std::fputs(missatge_pausa.data(), stdout);
    bool tecla = espera_tecla();
    std::fputc('\n', stdout);
    sincronitza_observador();
    pausa_final = tecla;
    return 0;
  }
  if (compacta == "pause>nul") {
    pausa_final = espera_tecla();
    return 0;
  }
  // "pause > nul | echo Fin": the echo shows while the pause waits.
  std::size_t barra = text.find('|');
  if (barra != std::string_view::npos && minuscules(sense_espais(text.substr(0, barra))) == "pause>nul") {
    std::string_view eco = retalla(text.substr(barra + 1));
    if (minuscules(eco.substr(0, 5)) == "echo " || minuscules(eco) == "echo") {
      eco = retalla(eco.substr(eco.size() < 5 ? eco.size() : 5));
      std::fwrite(eco.data(), 1, eco.size(), stdout);
      std::fputc('\n', stdout);
      pausa_final = espera_tecla();
      return 0;
    }
  }
  buida_sortida();
  std::fprintf(stderr, "'%s' no es reconeix com una ordre.\n", ordre ? ordre : "");
  return 1;
}

void _sleep(unsigned long ms) {
  aten_represa();
  buida_sortida();
  timespec resta {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&resta, &resta) != 0 && errno == EINTR) aten_represa();
}

}  // namespace plataforma

// "cls": on a terminal the screen is blanked and the cursor sent home (the
// scrollback, the user's history from the shell, stays); through a pipe,
// into a file or on a terminal without escape sequences, a form feed.
void plataforma::intern::esborra_pantalla() {
  if (sequencies_actives()) {
    escriu_propi(seq::uneix(seq::inici, seq::esborra_pantalla).data());
    pantalla().reinicia();
  } else {
    salt_pagina();
  }
}
