// Console output. Every byte for the terminal, the program's text and the
// layer's own sequences alike, is appended to one buffer in the order it was
// produced, and the buffer goes out in one write before every wait (key
// read, pause, sleep, line read, frame) and at exit. The program's text
// reaches it through stdout (a stream whose write function is
// escriu_consola); the layer's own bytes flush stdout first, so the order
// holds without looking inside the stream.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "consola.h"
#include "intern.h"
#include "plataforma.h"

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

bool model_demanat = false;
int error_sortida = 0;
bool sortida_tancada = false;
unsigned long long bytes_programa = 0;
bool pausa_final = false;

namespace {

// Bytes for the terminal not yet written. Never destroyed: the end of the
// program (an atexit function) still writes through it.
std::string &memoria() {
  static std::string *m = new std::string;
  return *m;
}
// Past this size the buffer goes out without waiting for a wait (a long
// report through a pipe), except inside a frame, which is one write.
constexpr std::size_t llindar = 1 << 16;

int sortida_terminal = -1;  // standard output is a terminal (-1 not asked yet)
int sequencies = -1;        // escape sequences may be sent (-1 not asked yet)

bool quadre_obert = false;  // a frame of nou_quadre started and not yet closed
// The layer itself is emptying stdout into the buffer; any other flush of
// stdout is the program's own fflush, which sends everything, as it did on
// the original console.
bool buidatge_propi = false;

void buida_flux() {
  buidatge_propi = true;
  std::fflush(stdout);
  buidatge_propi = false;
}

void envia(const char *dades, std::size_t mida) {
  if (mida == 0) return;
  if (!escriu_tot(STDOUT_FILENO, dades, mida) && error_sortida == 0) error_sortida = errno != 0 ? errno : EIO;
}

void envia_memoria() {
  envia(memoria().data(), memoria().size());
  memoria().clear();
}

int columnes_reals() {
  int f, c;
  mida_terminal(f, c);
  return c > 0 ? c : 80;
}
int files_reals() {
  int f, c;
  mida_terminal(f, c);
  return f > 0 ? f : 25;
}

// A byte the terminal would take as a control is shown as "?"; the ones
// that only move the cursor or ring pass.
bool es_control(unsigned char b) {
  return (b < 32 && b != '\a' && b != '\b' && b != '\t' && b != '\n' && b != '\r') || b == 127;
}

// The cursor back to the cell after the last one the frame printed on its row.
void torna_a_marca(conio::Model &m, std::string &sortida) {
  if (m.cursor_x == m.marca) return;
  char posicio[32];
  std::snprintf(posicio, sizeof posicio, seq::posicio, m.cursor_y + 1, m.marca + 1);
  sortida += posicio;
  m.posa_cursor(m.marca, m.cursor_y);
}

// Within a frame, what the previous frame left right of the row's printed
// cells goes: from the cursor when it stands just past them, or from there
// after a move when the row was printed further than the cursor stands.
// A row printed to its last cell keeps everything.
void esborra_resta_de_fila(conio::Model &m, std::string &sortida) {
  if (m.marca >= m.columnes()) return;
  torna_a_marca(m, sortida);
  sortida += seq::esborra_resta_fila;
  m.esborra_resta(true);
}

// The end of a frame: the rest of the screen after what it printed is
// erased; a row printed to its last cell keeps it, the erase starting on
// the next row.
void tanca_quadre(std::string &sortida) {
  conio::Model &m = pantalla();
  if (m.marca >= m.columnes()) {
    if (m.cursor_y < m.files() - 1) {
      (sortida += seq::fila_seguent) += seq::esborra_resta;
      m.posa_cursor(0, m.cursor_y + 1);
      m.esborra_resta(false);
    }
  } else {
    torna_a_marca(m, sortida);
    sortida += seq::esborra_resta;
    m.esborra_resta(false);
  }
  sortida += seq::fi_sincronitza;
  quadre_obert = false;
}

// The program's text on a terminal: runs of plain characters pass as they
// are; a byte of the upper half or a control becomes its glyph (UTF-8) or
// "?"; the model follows run by run.
void tradueix(const char *dades, std::size_t mida) {
  conio::Model &m = pantalla();
  std::string &sortida = memoria();
  bool utf8 = locale_utf8();
  const char *fi = dades + mida;
  while (dades < fi) {
    const char *tram = dades;
    while (dades < fi && static_cast<unsigned>(static_cast<unsigned char>(*dades)) - 32u < 95u) dades++;
    if (dades > tram) {
      sortida.append(tram, static_cast<std::size_t>(dades - tram));
      m.text(tram, static_cast<std::size_t>(dades - tram));
    }
    if (dades == fi) break;
    unsigned char b = static_cast<unsigned char>(*dades);
    if (b == '\n' && quadre_obert && !m.ajornat) esborra_resta_de_fila(m, sortida);
    if (utf8 && (b >= 128 || es_control(b)))
      afegeix_glif(b, sortida);
    else
      sortida.push_back(es_control(b) ? '?' : static_cast<char>(b));
    m.text(dades, 1);
    dades++;
  }
}

}  // namespace

// Never destroyed, as the buffer.
conio::Model &pantalla() {
  static conio::Model *model = new conio::Model(columnes_reals(), files_reals());
  return *model;
}

bool sortida_es_terminal() {
  if (sortida_terminal < 0) sortida_terminal = isatty(STDOUT_FILENO) ? 1 : 0;
  return sortida_terminal == 1;
}

bool terminal_sense_sequencies() {
  const char *term = std::getenv("TERM");
  return !term || !*term || std::strcmp(term, "dumb") == 0;
}

bool sequencies_actives() {
  if (sequencies < 0) sequencies = sortida_es_terminal() && !terminal_sense_sequencies() ? 1 : 0;
  return sequencies == 1;
}

void sincronitza_observador() { buida_flux(); }

void escriu_propi(const char *dades, std::size_t mida, Especial especial) {
  if (!sequencies_actives()) return;
  buida_flux();
  memoria().append(dades, mida);
  if (especial == Especial::inici_quadre) {
    quadre_obert = true;
    pantalla().posa_cursor(0, 0);
    pantalla().marca = 0;
  }
}

ssize_t escriu_consola(void *, const char *dades, std::size_t mida) {
  if (mida == 0) return 0;
  bytes_programa += mida;
  pausa_final = false;
  if (sortida_es_terminal()) {
    tradueix(dades, mida);
  } else {
    if (model_demanat) pantalla().text(dades, mida);
    if (memoria().empty() && mida >= llindar) {
      envia(dades, mida);
      return static_cast<ssize_t>(mida);
    }
    memoria().append(dades, mida);
  }
  if (!buidatge_propi || (memoria().size() >= llindar && !quadre_obert)) envia_memoria();
  return static_cast<ssize_t>(mida);
}

void buida_sortida() {
  buida_flux();
  if (quadre_obert) tanca_quadre(memoria());
  envia_memoria();
  pausa_final = false;
}

void salt_pagina() {
  if (!sortida_es_terminal()) {
    std::fputc('\f', stdout);
    return;
  }
  buida_flux();
  memoria().push_back('\f');
}

void acaba_fila() {
  buida_flux();
  conio::Model &m = pantalla();
  if (!sortida_es_terminal() || pantalla_alternativa_activa || m.cursor_x == 0 || m.ajornat) return;
  memoria().push_back('\n');
  m.text("\n", 1);
}

}  // namespace plataforma::intern
