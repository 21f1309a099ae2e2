// Full-screen programs: paced frames drawn without flicker, the hidden
// cursor and the notice for a terminal smaller than the console.
#include <chrono>
#include <cstdio>
#include <thread>

#include "intern.h"
#include "plataforma.h"

namespace plataforma::intern {

namespace {

// Frames of nou_quadre: when the last one started, and whether the next one
// must clear the whole screen (the first, and after a resume).
std::chrono::steady_clock::time_point inici_darrer_quadre;
bool hi_ha_quadre = false;
bool quadre_complet = true;

void quadre_complet_en_reprendre() { quadre_complet = true; }

}  // namespace

}  // namespace plataforma::intern

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
  static constexpr auto inici = seq::uneix(seq::sincronitza, seq::inici);
  escriu_propi(inici.data(), inici.size() - 1, Especial::inici_quadre);
}

void plataforma::pantalla_alternativa(bool activa) {
  using namespace intern;
  if (!sortida_es_terminal() || activa == (pantalla_alternativa_activa != 0)) return;
  if (activa) {
    escriu_propi(seq::pantalla_alt);
    pantalla_alternativa_activa = 1;
  } else {
    buida_sortida();
    pantalla_alternativa_activa = 0;
    escriu_propi(seq::pantalla_normal);
  }
}

void plataforma::amaga_cursor() {
  if (!intern::sortida_es_terminal()) return;
  intern::aparenca_canviada = 1;
  intern::escriu_propi(seq::amaga_cursor);
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
