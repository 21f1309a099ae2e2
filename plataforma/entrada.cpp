// Console input: standard input's line-at-a-time delivery, dropping typed
// input, and single keys read straight from the device.
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
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
// line mode delivers a line per read; on a pipe exactly the line's bytes are
// taken from the device (a file is read ahead and put back), so nothing past
// the line is taken and a later key read or pause sees the next line.

namespace {

// Every byte from the console passes through here, the input's one meeting
// point with the terminal. Returns what read returns, EINTR retried.
ssize_t llegeix_dispositiu(char *desti, std::size_t mida) {
  salda_deute();
  for (;;) {
    ssize_t n = read(STDIN_FILENO, desti, mida);
    if (n < 0 && errno == EINTR) {
      aten_represa();
      continue;
    }
    return n;
  }
}

}  // namespace

// From a regular file the input is read in blocks: nothing else waits on a
// file, so reading ahead takes nothing from anyone, as long as the file's
// offset is put back on the first byte not delivered when the program ends
// (for whatever reads the file after it). Pipes and terminals are never
// read past the current line.
namespace {

enum class Origen { per_saber, fitxer, dispositiu };
Origen origen = Origen::per_saber;
std::string bloc_fitxer;       // bytes of the file read ahead
std::size_t bloc_posicio = 0;  // how many of them were delivered

void abans_de_bifurcar();

bool des_de_fitxer() {
  if (origen == Origen::per_saber) {
    struct stat info {};
    origen = fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode) ? Origen::fitxer : Origen::dispositiu;
    // A child the program starts reads the same input: it must find it
    // where the program stopped taking it.
    pthread_atfork(abans_de_bifurcar, nullptr, nullptr);
  }
  return origen == Origen::fitxer;
}

// More of the file; false at its end.
bool omple_bloc() {
  bloc_fitxer.resize(1 << 16);
  ssize_t n = llegeix_dispositiu(bloc_fitxer.data(), bloc_fitxer.size());
  bloc_fitxer.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  bloc_posicio = 0;
  return n > 0;
}

}  // namespace

void torna_entrada_no_lliurada() {
  salda_deute();
  if (origen != Origen::fitxer || bloc_posicio == bloc_fitxer.size()) return;
  lseek(STDIN_FILENO, -static_cast<off_t>(bloc_fitxer.size() - bloc_posicio), SEEK_CUR);
  bloc_fitxer.clear();
  bloc_posicio = 0;
}

// A pipe is looked at before it is read: tee copies what it holds into a
// pipe of the layer's own without taking anything, and its lines are handed
// over from that copy. What was handed over is taken from standard input
// later, in one read, before anything else can read the pipe: before the
// next look, a key read or a poll, a child, the end of the program, and a
// signal that ends it. So whatever reads the pipe after the program finds
// exactly the lines it did not get, at one read per look rather than one
// per line. Where tee cannot look (a socket, a device), the bytes are read
// one by one.
namespace {

struct Vista {
  bool provada = false;      // whether the layer's pipe was made
  bool possible = false;     // standard input can be looked at
  int canal[2] = {-1, -1};   // the layer's pipe
  std::string bytes;         // what standard input held at the last look
  std::size_t presos = 0;    // how many of them were taken from it since
  std::size_t lliurats = 0;  // how many were handed over (never fewer)
};
Vista vista;

// Bytes handed over and not yet taken, for a signal handler to take.
std::atomic<std::size_t> deute_senyal {0};
static_assert(std::atomic<std::size_t>::is_always_lock_free);

void oblida_vista() {
  vista.bytes.clear();
  vista.presos = vista.lliurats = 0;
  deute_senyal.store(0, std::memory_order_relaxed);
}

void renuncia_a_mirar() {
  if (vista.canal[0] >= 0) close(vista.canal[0]);
  if (vista.canal[1] >= 0) close(vista.canal[1]);
  vista.canal[0] = vista.canal[1] = -1;
  vista.possible = false;
  oblida_vista();
}

// Takes up to n bytes that are waiting in standard input into desti,
// without waiting: 0 when none are there (another reader took them).
ssize_t pren_esperats(char *desti, std::size_t n) {
  for (;;) {
    pollfd p {STDIN_FILENO, POLLIN, 0};
    int r = poll(&p, 1, 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return 0;
    ssize_t llegits = read(STDIN_FILENO, desti, n);
    if (llegits < 0 && errno == EINTR) continue;
    return llegits;
  }
}

}  // namespace

void salda_deute() {
  while (vista.presos < vista.lliurats) {
    char tros[4096];
    std::size_t n = std::min(sizeof tros, vista.lliurats - vista.presos);
    ssize_t r = pren_esperats(tros, n);
    // Not what was seen: another reader has the pipe too, and the look is
    // no longer what it holds.
    if (r <= 0 || std::memcmp(tros, vista.bytes.data() + vista.presos, static_cast<std::size_t>(r)) != 0) {
      oblida_vista();
      return;
    }
    vista.presos += static_cast<std::size_t>(r);
    deute_senyal.store(vista.lliurats - vista.presos, std::memory_order_relaxed);
  }
}

void salda_deute_senyal() {
  static char tros[4096];
  for (std::size_t deute = deute_senyal.load(std::memory_order_relaxed); deute > 0;) {
    ssize_t r = pren_esperats(tros, std::min(sizeof tros, deute));
    if (r <= 0) break;
    deute -= static_cast<std::size_t>(r);
    deute_senyal.store(deute, std::memory_order_relaxed);
  }
}

namespace {

// Looks at what the pipe holds, waiting for something as a read would.
// The number of bytes seen (0: end of input), or -1 when it cannot look.
ssize_t mira_canonada() {
  salda_deute();
  if (!vista.provada) {
    vista.provada = true;
    vista.possible = pipe2(vista.canal, O_CLOEXEC) == 0;
  }
  oblida_vista();
  if (!vista.possible) return -1;
  ssize_t n;
  while ((n = tee(STDIN_FILENO, vista.canal[1], 1 << 16, 0)) < 0 && errno == EINTR) aten_represa();
  if (n < 0) {
    renuncia_a_mirar();  // not a pipe
    return -1;
  }
  vista.bytes.resize(static_cast<std::size_t>(n));
  for (std::size_t llegits = 0; llegits < vista.bytes.size();) {
    ssize_t r = read(vista.canal[0], vista.bytes.data() + llegits, vista.bytes.size() - llegits);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) {
      renuncia_a_mirar();
      return -1;
    }
    llegits += static_cast<std::size_t>(r);
  }
  return n;
}

// One byte b was taken from standard input, with no debt left: the look
// follows it, or is forgotten when it is not what it saw.
void pren_de_la_vista(char b) {
  if (vista.presos < vista.bytes.size() && vista.bytes[vista.presos] == b) {
    vista.lliurats = ++vista.presos;
  } else {
    oblida_vista();
  }
}

// Appends the rest of the current line of a pipe to linia, from the look;
// false when the pipe cannot be looked at.
bool llegeix_linia_canonada(std::string &linia) {
  for (;;) {
    if (vista.lliurats == vista.bytes.size()) {
      ssize_t vistos = mira_canonada();
      if (vistos < 0) return false;
      if (vistos == 0) return true;  // end of input
    }
    const char *inici = vista.bytes.data() + vista.lliurats;
    std::size_t resta = vista.bytes.size() - vista.lliurats;
    const void *fi = std::memchr(inici, '\n', resta);
    std::size_t n = fi ? static_cast<std::size_t>(static_cast<const char *>(fi) - inici) + 1 : resta;
    linia.append(inici, n);
    vista.lliurats += n;
    deute_senyal.store(vista.lliurats - vista.presos, std::memory_order_relaxed);
    if (fi) return true;
  }
}

// Before a child is made: a file's offset goes back to the first byte not
// delivered, and the look at a pipe is forgotten, for the child reads it.
void abans_de_bifurcar() {
  torna_entrada_no_lliurada();
  oblida_vista();
}

}  // namespace

// One byte from the console, or -1 at its end.
int llegeix_byte() {
  if (des_de_fitxer()) {
    if (bloc_posicio == bloc_fitxer.size() && !omple_bloc()) return -1;
    return static_cast<unsigned char>(bloc_fitxer[bloc_posicio++]);
  }
  char b;
  if (llegeix_dispositiu(&b, 1) != 1) return -1;
  if (vista.presos < vista.bytes.size()) pren_de_la_vista(b);
  return static_cast<unsigned char>(b);
}

namespace {

std::string linia_lliurada;     // the line being handed to stdin's buffer
std::size_t linia_posicio = 0;  // how much of it stdin has taken

void llegeix_linia_dispositiu(std::string &linia) {
  linia.clear();
  if (entrada_es_terminal()) {
    char tros[4096];
    ssize_t n = llegeix_dispositiu(tros, sizeof tros);
    if (n > 0 && locale_utf8())
      linia = a_pagina_codis(tros, static_cast<std::size_t>(n));
    else if (n > 0)
      linia.assign(tros, static_cast<std::size_t>(n));
    return;
  }
  if (des_de_fitxer()) {
    while (bloc_posicio < bloc_fitxer.size() || omple_bloc()) {
      const char *inici = bloc_fitxer.data() + bloc_posicio;
      std::size_t resta = bloc_fitxer.size() - bloc_posicio;
      const void *fi = std::memchr(inici, '\n', resta);
      std::size_t n = fi ? static_cast<std::size_t>(static_cast<const char *>(fi) - inici) + 1 : resta;
      linia.append(inici, n);
      bloc_posicio += n;
      if (fi) return;
    }
    return;
  }
  if (llegeix_linia_canonada(linia)) return;
  if (!linia.empty() && linia.back() == '\n') return;
  for (int c; (c = llegeix_byte()) >= 0;) {
    linia.push_back(static_cast<char>(c));
    if (c == '\n') return;
  }
}

}  // namespace

ssize_t llegeix_consola(void *, char *desti, std::size_t mida) {
  aten_represa();
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

// On a UTF-8 terminal a typed character is its code page byte ("?" when
// the page lacks it).
int byte_de_caracter(char32_t caracter) {
  int b = byte_de(caracter);
  return b < 0 ? '?' : b;
}

DescodificadorTecles nou_descodificador() {
  DescodificadorTecles d;
  if (locale_utf8()) d.tradueix_caracters(byte_de_caracter);
  return d;
}

DescodificadorTecles descodificador = nou_descodificador();
bool fi_dispositiu = false;
std::deque<int> retornades;  // keys given back, read before the decoder's
std::chrono::steady_clock::time_point darrer_byte;

int ms_des_de(std::chrono::steady_clock::time_point moment) {
  auto passat = std::chrono::steady_clock::now() - moment;
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(passat).count());
}

// Waits up to limit ms (-1: no limit) for input, as poll does. A resume
// after a suspend ends the wait (EINTR) even when it came just before it,
// so that the program's redraw is never left waiting for a key. A Ctrl-Z
// is held with the resume: its handler must never run with SIGCONT
// blocked, or fg's SIGCONT would go unseen and the handler would stop the
// program a second time.
int espera_entrada(int limit) {
  sigset_t cont, previ;
  sigemptyset(&cont);
  sigaddset(&cont, SIGCONT);
  sigaddset(&cont, SIGTSTP);
  sigprocmask(SIG_BLOCK, &cont, &previ);
  aten_represa();
  pollfd p {STDIN_FILENO, POLLIN, 0};
  timespec temps {limit / 1000, (limit % 1000) * 1000000L};
  int r = ppoll(&p, 1, limit < 0 ? nullptr : &temps, &previ);
  int error = errno;
  sigprocmask(SIG_SETMASK, &previ, nullptr);
  errno = error;
  return r;
}

// One byte from the device into the decoder; false at the end of input.
bool pren_byte() {
  int b = llegeix_byte();
  if (b < 0) {
    fi_dispositiu = true;
    return false;
  }
  darrer_byte = std::chrono::steady_clock::now();
  descodificador.byte(static_cast<unsigned char>(b));
  return true;
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
    int r = espera_entrada(limit);
    if (r < 0) {
      if (errno == EINTR) {
        aten_represa();
        continue;
      }
      fi_dispositiu = true;
      break;
    }
    if (r == 0) {
      if (!espera) return false;
      continue;
    }
    if (!pren_byte()) break;
  }
  return true;
}

// A key poll that finds a sequence started waits for the rest of it, at
// most the decoder's wait: then it is a key, or it was dropped.
void acaba_sequencia_comencada() {
  while (descodificador.esperant() && !descodificador.hi_ha_codi() && !fi_dispositiu) {
    int passat = ms_des_de(darrer_byte);
    if (passat >= DescodificadorTecles::espera_esc_ms) {
      descodificador.temps(passat);
      break;
    }
    pollfd p {STDIN_FILENO, POLLIN, 0};
    int r = poll(&p, 1, DescodificadorTecles::espera_esc_ms - passat);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) continue;  // time is measured again above
    if (!pren_byte()) break;
  }
}

// Keys of no code are dropped from the front: a key read skips them.
void treu_sense_codi() {
  while (descodificador.hi_ha_codi() && descodificador.mira_codi() == tecla::sense_codi) descodificador.treu_codi();
}

}  // namespace

// Waits for one key, as the pause command does: a key that sends several
// codes counts as one; on a pipe one byte; at the end of input, at once.
bool espera_tecla() {
  aten_represa();
  if (!retornades.empty()) {
    buida_sortida();
    retornades.pop_front();
    return true;
  }
  if (!entrada_es_terminal()) {
    buida_sortida();
    return llegeix_byte() >= 0;
  }
  entra_mode_cru();
  buida_sortida();
  omple_descodificador(true);
  if (!descodificador.hi_ha_codi()) return false;
  int codi = descodificador.treu_codi();
  if ((codi == tecla::prefix_estesa || codi == tecla::prefix_funcio) && descodificador.hi_ha_codi())
    descodificador.treu_codi();
  return true;
}

bool sondeig_buit = false;

bool tecla_pendent() {
  buida_sortida();
  if (!retornades.empty()) return true;
  if (entrada_es_terminal()) {
    entra_mode_cru();
    if (descodificador.hi_ha_codi() || descodificador.esperant() || fi_dispositiu) return true;
  }
  salda_deute();
  pollfd p {STDIN_FILENO, POLLIN, 0};
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

namespace {

// Moves the decoder's keys to the queue of keys given back, in order; keys
// of no code are no key to read again.
void passa_a_retornades() {
  while (descodificador.hi_ha_codi()) {
    int codi = descodificador.treu_codi();
    if (codi != tecla::sense_codi) retornades.push_back(codi);
  }
}

// Everything typed so far, down to the last byte waiting in the terminal
// and the end of a sequence begun, goes to the queue of keys given back.
void pren_tot_el_teclejat() {
  for (;;) {
    for (;;) {
      pollfd p {STDIN_FILENO, POLLIN, 0};
      int r = poll(&p, 1, 0);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0 || fi_dispositiu) break;
      int b = llegeix_byte();
      if (b < 0) {
        fi_dispositiu = true;
        break;
      }
      darrer_byte = std::chrono::steady_clock::now();
      descodificador.byte(static_cast<unsigned char>(b));
    }
    passa_a_retornades();
    if (!descodificador.esperant() || fi_dispositiu) return;
    acaba_sequencia_comencada();  // waits only for the sequence: the queue took the keys
  }
}

}  // namespace

// A key given back is read after every key typed before it: on a terminal
// what has arrived is decoded and queued first.
bool retorna_tecla(int codi) {
  if (retornades.size() >= 2048) return false;
  if (entrada_es_terminal()) {
    entra_mode_cru();
    pren_tot_el_teclejat();
  }
  retornades.push_back(codi);
  return true;
}

}  // namespace intern

using namespace intern;

int fflush(FILE *flux) {
  if (flux == stdout) {
    buida_sortida();  // the layer's own bytes too
    return error_sortida != 0 ? EOF : 0;
  }
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
  aten_represa();
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
  for (;;) {
    treu_sense_codi();
    if (!descodificador.hi_ha_codi()) omple_descodificador(true);
    if (!descodificador.hi_ha_codi()) return tecla::esc;
    int codi = descodificador.treu_codi();
    if (codi != tecla::sense_codi) return codi;
  }
}

int _kbhit() {
  aten_represa();
  if (!retornades.empty()) return 1;
  if (!entrada_es_terminal()) {
    buida_sortida();
    salda_deute();
    pollfd p {STDIN_FILENO, POLLIN, 0};
    sondeig_buit = poll(&p, 1, 0) == 0;
    return !sondeig_buit;  // readable, at its end, or closed: a read will not wait
  }
  entra_mode_cru();
  buida_sortida();
  for (;;) {
    treu_sense_codi();
    if (descodificador.hi_ha_codi()) {
      sondeig_buit = false;
      return 1;
    }
    omple_descodificador(false);
    acaba_sequencia_comencada();
    if (!descodificador.hi_ha_codi()) {
      sondeig_buit = !fi_dispositiu;
      return fi_dispositiu;
    }
  }
}

}  // namespace plataforma
