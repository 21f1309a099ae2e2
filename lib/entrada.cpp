// Console input: standard input's line-at-a-time delivery, dropping typed
// input, and single keys read straight from the device.
#include <poll.h>
#include <stdio_ext.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "intern.h"
#include "plataforma.h"
#include "tecles.h"

namespace plataforma {

namespace intern {

// Standard input refills from here, one line at a time: on a terminal the
// line mode delivers a line per read; on a pipe or a file the bytes are read
// one by one up to the line feed, so nothing past the line is taken from the
// device and a later key read or pause sees the next line.

namespace {

// Every byte from the console passes through here, the input's one meeting
// point with the terminal. Returns what read returns, EINTR retried.
ssize_t llegeix_dispositiu(char *desti, std::size_t mida) {
  for (;;) {
    ssize_t n = read(STDIN_FILENO, desti, mida);
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}


}  // namespace

// One byte from the console, or -1 at its end.
int llegeix_byte() {
  char b;
  return llegeix_dispositiu(&b, 1) == 1 ? static_cast<unsigned char>(b) : -1;
}

namespace {

std::string linia_lliurada;       // the line being handed to stdin's buffer
std::size_t linia_posicio = 0;    // how much of it stdin has taken

void llegeix_linia_dispositiu(std::string &linia) {
  linia.clear();
  if (entrada_es_terminal()) {
    char bloc[4096];
    ssize_t n = llegeix_dispositiu(bloc, sizeof bloc);
    if (n > 0 && locale_utf8())
      linia = a_pagina_codis(bloc, static_cast<std::size_t>(n));
    else if (n > 0)
      linia.assign(bloc, static_cast<std::size_t>(n));
    return;
  }
  for (int c; (c = llegeix_byte()) >= 0;) {
    linia.push_back(static_cast<char>(c));
    if (c == '\n') return;
  }
}


}  // namespace

ssize_t llegeix_consola(void *, char *desti, std::size_t mida) {
  if (linia_posicio == linia_lliurada.size() && entrada_es_terminal()) restaura_terminal();
  buida_sortida();
  if (linia_posicio == linia_lliurada.size()) {
    llegeix_linia_dispositiu(linia_lliurada);
    linia_posicio = 0;
  }
  std::size_t n = linia_lliurada.size() - linia_posicio;
  if (n > mida) n = mida;
  std::memcpy(desti, linia_lliurada.data() + linia_posicio, n);
  linia_posicio += n;
  return static_cast<ssize_t>(n);
}

namespace {

// Keys, read straight from the device as the original console did.

DescodificadorTecles descodificador;
bool fi_dispositiu = false;
std::deque<int> retornades;  // keys given back, read before the decoder's
std::chrono::steady_clock::time_point darrer_byte;

int ms_des_de(std::chrono::steady_clock::time_point moment) {
  auto passat = std::chrono::steady_clock::now() - moment;
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(passat).count());
}

// Feeds the decoder from the terminal until it holds a code, or, when it
// must not wait, with what has already arrived. True when a code is ready
// or input has ended.
bool omple_descodificador(bool espera) {
  while (!descodificador.hi_ha_codi() && !fi_dispositiu) {
    int limit = -1;
    if (descodificador.esperant()) {
      int passat = ms_des_de(darrer_byte);
      if (passat >= DescodificadorTecles::espera_esc_ms) {
        descodificador.temps(passat);
        continue;
      }
      limit = DescodificadorTecles::espera_esc_ms - passat;
    }
    if (!espera) limit = 0;
    pollfd p{STDIN_FILENO, POLLIN, 0};
    int r = poll(&p, 1, limit);
    if (r < 0) {
      if (errno == EINTR) continue;
      fi_dispositiu = true;
      break;
    }
    if (r == 0) {
      if (!espera) return false;
      continue;
    }
    int b = llegeix_byte();
    if (b < 0) {
      fi_dispositiu = true;
      break;
    }
    darrer_byte = std::chrono::steady_clock::now();
    descodificador.byte(static_cast<unsigned char>(b));
  }
  return true;
}

}  // namespace

// Waits for one key, as the pause command does: a key that sends several
// codes counts as one; on a pipe one byte; at the end of input, at once.
void espera_tecla() {
  if (!retornades.empty()) {
    buida_sortida();
    retornades.pop_front();
    return;
  }
  if (!entrada_es_terminal()) {
    buida_sortida();
    llegeix_byte();
    return;
  }
  entra_mode_cru();
  buida_sortida();
  omple_descodificador(true);
  if (!descodificador.hi_ha_codi()) return;
  int codi = descodificador.treu_codi();
  if ((codi == tecla::prefix_estesa || codi == tecla::prefix_funcio) && descodificador.hi_ha_codi())
    descodificador.treu_codi();
}

bool sondeig_buit = false;

bool tecla_pendent() {
  buida_sortida();
  if (!retornades.empty()) return true;
  if (entrada_es_terminal()) {
    entra_mode_cru();
    if (descodificador.hi_ha_codi() || descodificador.esperant() || fi_dispositiu) return true;
  }
  pollfd p{STDIN_FILENO, POLLIN, 0};
  return poll(&p, 1, 0) != 0;
}

bool llegeix_caracter(int &caracter) {
  buida_sortida();
  if (!retornades.empty()) {
    caracter = retornades.front();
    retornades.pop_front();
    return true;
  }
  if (!entrada_es_terminal()) {
    caracter = llegeix_byte();
    return caracter >= 0;
  }
  entra_mode_cru();
  buida_sortida();
  for (;;) {
    if (!descodificador.hi_ha_codi()) omple_descodificador(true);
    if (!descodificador.hi_ha_codi()) return false;
    int codi = descodificador.treu_codi();
    if (codi == tecla::prefix_estesa || codi == tecla::prefix_funcio) {
      if (descodificador.hi_ha_codi()) descodificador.treu_codi();
      continue;
    }
    caracter = codi;
    return true;
  }
}

bool retorna_tecla(int codi) {
  if (retornades.size() >= 2048) return false;
  if (entrada_es_terminal()) {
    entra_mode_cru();
    omple_descodificador(false);
    while (descodificador.hi_ha_codi()) retornades.push_back(descodificador.treu_codi());
  }
  retornades.push_back(codi);
  return true;
}

}  // namespace intern

using namespace intern;

int fflush(FILE *flux) {
  if (flux != stdin) return std::fflush(flux);
  __fpurge(stdin);
  retornades.clear();
  linia_lliurada.clear();
  linia_posicio = 0;
  if (entrada_es_terminal()) {
    tcflush(STDIN_FILENO, TCIFLUSH);
    descodificador.buida();
  }
  return 0;
}

int _getch() {
  if (!retornades.empty()) {
    buida_sortida();
    int codi = retornades.front();
    retornades.pop_front();
    return codi;
  }
  if (!entrada_es_terminal()) {
    buida_sortida();
    int b = llegeix_byte();
    return b < 0 ? tecla::esc : b;
  }
  // Raw mode comes before the output, so that a key typed on seeing it is
  // read as a key and not echoed.
  entra_mode_cru();
  buida_sortida();
  if (!descodificador.hi_ha_codi()) omple_descodificador(true);
  return descodificador.hi_ha_codi() ? descodificador.treu_codi() : tecla::esc;
}

int _kbhit() {
  if (!retornades.empty()) return 1;
  if (!entrada_es_terminal()) {
    buida_sortida();
    pollfd p{STDIN_FILENO, POLLIN, 0};
    sondeig_buit = poll(&p, 1, 0) == 0;
    return !sondeig_buit;  // readable, at its end, or closed: a read will not wait
  }
  entra_mode_cru();
  buida_sortida();
  if (descodificador.hi_ha_codi()) {
    sondeig_buit = false;
    return 1;
  }
  omple_descodificador(false);
  sondeig_buit = !descodificador.hi_ha_codi() && !fi_dispositiu;
  return !sondeig_buit;
}

}  // namespace plataforma
