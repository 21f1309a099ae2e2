// Full-screen programs: paced frames drawn without flicker, the hidden
// cursor and the notice for a terminal smaller than the console.
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// The terminal is known, and smaller than the console.
bool massa_petit() {
  int files, columnes;
  plataforma::mida_terminal(files, columnes);
  return files > 0 && columnes > 0 && (files < 25 || columnes < 80);
}

// Says how small the terminal is (on a cleared screen when a frame is on
// it), waits for a key and clears the screen.
void avisa_mida(bool neteja) {
  int files, columnes;
  plataforma::mida_terminal(files, columnes);
  if (neteja) esborra_pantalla();
  std::printf(
      "El terminal te %d columnes i %d files, i aquest programa en necessita 80 i 25.\n"
      "Amplieu la finestra i premeu qualsevol tecla per continuar . . . ",
      columnes, files);
  espera_tecla();
  esborra_pantalla();
}

}  // namespace

}  // namespace plataforma::intern

void plataforma::nou_quadre(unsigned long periode_ms) {
  using namespace intern;
  bool terminal = sequencies_actives();
  if (!hi_ha_quadre && terminal && !redibuixa_en_reprendre) en_reprendre(quadre_complet_en_reprendre);
  // A terminal, or an empty pipe, waits for the frame period; keys already
  // waiting in a pipe are taken at full speed.
  if (hi_ha_quadre && (terminal || entrada_es_terminal() || sondeig_buit)) {
    buida_sortida();
    std::this_thread::sleep_until(inici_darrer_quadre + std::chrono::milliseconds(periode_ms));
  }
  // A window made too small under the program: the notice until it is big
  // enough again, then the whole frame drawn anew.
  if (hi_ha_quadre && terminal && entrada_es_terminal() && massa_petit()) {
    do avisa_mida(true);
    while (massa_petit());
    quadre_complet = true;
  }
  inici_darrer_quadre = std::chrono::steady_clock::now();
  hi_ha_quadre = true;
  if (!terminal) {
    salt_pagina();
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

void plataforma::amaga_cursor() { intern::posa_aparenca_cursor(seq::amaga_cursor); }

// A terminal that cannot place the cursor: the notice, a key, and the
// program ends (it could draw nothing). One too small: the notice, a key,
// and the program goes on, on a cleared screen.
void plataforma::avis_pantalla_completa() {
  using namespace intern;
  if (!entrada_es_terminal() || !sortida_es_terminal()) return;
  if (terminal_sense_sequencies()) {
    std::printf(
        "Aquest terminal no pot situar el cursor, i aquest programa ho necessita.\n"
        "Premeu qualsevol tecla per continuar . . . ");
    espera_tecla();
    std::exit(0);
  }
  if (massa_petit()) avisa_mida(false);
}
