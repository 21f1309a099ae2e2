// Console output: every byte for the console passes through escriu_consola,
// the one place where the console's code page meets the terminal.
#include <stdio_ext.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <string>

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

void (*observador_sortida)(const char *dades, std::size_t mida) = nullptr;

namespace {

// The layer's own bytes (escape sequences, repaints) are told apart from the
// program's text by their place in the stream: [inici, fi) of every stretch
// written through escriu_propi, counted from the first byte ever written.
struct Tram {
  unsigned long long inici, fi;
  Especial especial;
};
std::deque<Tram> trams;
unsigned long long lliurats = 0;  // bytes that reached escriu_consola

int sortida_terminal = -1;  // standard output is a terminal (-1 not asked yet)
bool es_terminal() {
  if (sortida_terminal < 0) sortida_terminal = isatty(STDOUT_FILENO) ? 1 : 0;
  return sortida_terminal == 1;
}

// Where the terminal's cursor stands within a frame of nou_quadre, to erase
// the rest of each row without touching a full row's last cell.
struct Seguiment {
  bool dins_quadre = false;
  int columna = 0, fila = 0;  // 0-based
  bool ajornat = false;       // past the last column, the wrap deferred
} seguiment;

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

void segueix_text(unsigned char b) {
  Seguiment &s = seguiment;
  switch (b) {
    case '\n':
      s.columna = 0;
      s.ajornat = false;
      if (s.fila < files_reals() - 1) s.fila++;
      return;
    case '\r':
      s.columna = 0;
      s.ajornat = false;
      return;
    case '\b':
      if (s.ajornat)
        s.ajornat = false;
      else if (s.columna > 0)
        s.columna--;
      return;
    case '\t':
      if (!s.ajornat) s.columna = std::min(columnes_reals() - 1, (s.columna / 8 + 1) * 8);
      return;
    case '\a': return;
    default:
      if (s.ajornat) {
        s.ajornat = false;
        s.columna = 0;
        if (s.fila < files_reals() - 1) s.fila++;
      }
      if (s.columna == columnes_reals() - 1)
        s.ajornat = true;
      else
        s.columna++;
  }
}

// A byte the terminal would take as a control is shown as "?"; the ones
// that only move the cursor or ring pass.
bool es_control(unsigned char b) {
  return (b < 32 && b != '\a' && b != '\b' && b != '\t' && b != '\n' && b != '\r') || b == 127;
}

void tracta_especial(Especial e, std::string &sortida) {
  if (e == Especial::inici_quadre) {
    seguiment = Seguiment {};
    seguiment.dins_quadre = true;
  } else if (e == Especial::fi_quadre) {
    // Erase the rest of the screen after the frame; a deferred wrap stands
    // on a cell of the frame, so the erase starts on the next row.
    if (seguiment.ajornat) {
      if (seguiment.fila < files_reals() - 1) (sortida += seq::fila_seguent) += seq::esborra_resta;
    } else {
      sortida += seq::esborra_resta;
    }
    sortida += seq::fi_sincronitza;
    seguiment.dins_quadre = false;
  }
}

// The program's text is observed once, in order: at the latest when it is
// written, earlier when the console model needs to be up to date.
unsigned long long observat_fins = 0;

void observa_rang(const char *dades, unsigned long long pos0, std::size_t n) {
  unsigned long long fi = pos0 + n;
  unsigned long long p = std::max(pos0, observat_fins);
  auto tram = trams.begin();
  while (observador_sortida && p < fi) {
    while (tram != trams.end() && tram->fi <= p) ++tram;
    unsigned long long seguent = fi;
    if (tram != trams.end()) {
      if (tram->inici <= p) {
        p = std::min(fi, tram->fi);
        continue;
      }
      seguent = std::min(fi, tram->inici);
    }
    observador_sortida(dades + (p - pos0), static_cast<std::size_t>(seguent - p));
    p = seguent;
  }
  observat_fins = std::max(observat_fins, fi);
}

}  // namespace

void sincronitza_observador() {
  std::size_t pendent = __fpending(stdout);
  if (pendent > 0) observa_rang(stdout->_IO_write_base, lliurats, pendent);
}

// A frame was started in the stream and not yet closed.
bool quadre_obert = false;

void escriu_propi(const char *dades, std::size_t mida, Especial especial) {
  if (especial == Especial::inici_quadre) quadre_obert = true;
  unsigned long long inici = lliurats + __fpending(stdout);
  if (especial == Especial::cap && !trams.empty() && trams.back().fi == inici && trams.back().especial == Especial::cap)
    trams.back().fi += mida;
  else
    trams.push_back({inici, inici + mida, especial});
  std::fwrite(dades, 1, mida, stdout);
}

bool sortida_es_terminal() { return es_terminal(); }

ssize_t escriu_consola(void *, const char *dades, std::size_t mida) {
  std::string sortida;
  sortida.reserve(mida + mida / 8);
  bool terminal = es_terminal();
  bool utf8 = terminal && locale_utf8();
  observa_rang(dades, lliurats, mida);
  auto especials_a = [&](unsigned long long pos) {
    while (!trams.empty() && trams.front().inici == pos && trams.front().fi == pos) {
      tracta_especial(trams.front().especial, sortida);
      trams.pop_front();
    }
  };
  for (std::size_t i = 0; i < mida;) {
    unsigned long long pos = lliurats + i;
    especials_a(pos);
    while (!trams.empty() && trams.front().fi <= pos && trams.front().fi > trams.front().inici) trams.pop_front();
    if (!trams.empty() && trams.front().inici <= pos && trams.front().fi > pos) {
      Tram t = trams.front();
      if (t.inici == pos) tracta_especial(t.especial, sortida);
      std::size_t n = static_cast<std::size_t>(std::min<unsigned long long>(t.fi - pos, mida - i));
      sortida.append(dades + i, n);
      i += n;
      if (lliurats + i >= t.fi) trams.pop_front();
      continue;
    }
    unsigned char b = static_cast<unsigned char>(dades[i]);
    if (terminal) {
      if (seguiment.dins_quadre) {
        if (b == '\n' && !seguiment.ajornat) sortida += seq::esborra_resta_fila;
        segueix_text(b);
      }
      if (utf8 && (b >= 128 || es_control(b)))
        afegeix_glif(b, sortida);
      else
        sortida.push_back(es_control(b) ? '?' : static_cast<char>(b));
    } else {
      sortida.push_back(static_cast<char>(b));
    }
    i++;
  }
  lliurats += mida;
  especials_a(lliurats);
  if (!escriu_tot(STDOUT_FILENO, sortida.data(), sortida.size())) return -1;
  return static_cast<ssize_t>(mida);
}

// A frame still open is closed (the rest of the screen erased) in the same
// write that sends it.
void buida_sortida() {
  if (quadre_obert) {
    unsigned long long pos = lliurats + __fpending(stdout);
    trams.push_back({pos, pos, Especial::fi_quadre});
    quadre_obert = false;
  }
  std::fflush(stdout);
  if (!trams.empty() && trams.front().especial == Especial::fi_quadre && trams.front().inici == lliurats) {
    // Nothing was pending, so no write took the frame's end: sent here.
    std::string sortida;
    tracta_especial(Especial::fi_quadre, sortida);
    trams.pop_front();
    escriu_tot(STDOUT_FILENO, sortida.data(), sortida.size());
  }
}

}  // namespace plataforma::intern
