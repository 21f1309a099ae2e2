// The command interpreter's commands that the programs run: "cls" and the
// pauses; and the sleep.
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

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

void esborra_pantalla() {
  if (sortida_es_terminal()) {
    sincronitza_observador();
    escriu_propi("\x1b[H\x1b[2J\x1b[3J");  // home, clear screen, clear scrollback
    if (observador_sortida) observador_sortida(nullptr, 0);
  } else {
    std::fputc('\f', stdout);
  }
}

// Frames of nou_quadre: when the last one started, and whether the next one
// must clear the whole screen (the first, and after a resume).
std::chrono::steady_clock::time_point inici_darrer_quadre;
bool hi_ha_quadre = false;
bool quadre_complet = true;

void quadre_complet_en_reprendre() { quadre_complet = true; }

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
    espera_tecla();
    std::fputc('\n', stdout);
    return 0;
  }
  if (compacta == "pause>nul") {
    espera_tecla();
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
      espera_tecla();
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

void plataforma::nou_quadre(unsigned long periode_ms) {
  using namespace intern;
  bool terminal = sortida_es_terminal();
  if (!hi_ha_quadre && terminal && !redibuixa_en_reprendre) en_reprendre(quadre_complet_en_reprendre);
  // A terminal, or an empty pipe, waits for the frame period; keys already
  // waiting in a pipe are taken at full speed.
  if (hi_ha_quadre && (terminal || entrada_es_terminal() || sondeig_buit)) {
    buida_sortida();
    std::this_thread::sleep_until(inici_darrer_quadre + std::chrono::milliseconds(periode_ms));
  }
  inici_darrer_quadre = std::chrono::steady_clock::now();
  hi_ha_quadre = true;
  if (!terminal) {
    std::fputc('\f', stdout);
    return;
  }
  if (quadre_complet) {
    esborra_pantalla();
    quadre_complet = false;
  }
  // The frame overwrites the previous one from the top-left; each row's
  // rest is erased at its line break and the screen's rest at its end.
  static constexpr char inici[] = "\x1b[?2026h\x1b[H";
  escriu_propi(inici, sizeof inici - 1, Especial::inici_quadre);
}

void plataforma::amaga_cursor() {
  if (!intern::sortida_es_terminal()) return;
  intern::aparenca_canviada = 1;
  intern::escriu_propi("\x1b[?25l");
}

void plataforma::avis_pantalla_completa() {
  using namespace intern;
  int files, columnes;
  mida_terminal(files, columnes);
  if (!entrada_es_terminal() || !sortida_es_terminal() || files == 0 || columnes == 0) return;
  if (files >= 25 && columnes >= 80) return;
  std::printf(
      "El terminal te %d columnes i %d files, i aquest programa en necessita 80 i 25.\n"
      "Amplieu la finestra i premeu qualsevol tecla per continuar . . . ",
      columnes, files);
  espera_tecla();
  esborra_pantalla();
}
