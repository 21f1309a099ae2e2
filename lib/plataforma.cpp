// Console platform layer over Linux: line-at-a-time input, buffered output,
// the pause and clear-screen commands, single keys, text-mode files and the
// printer spooler, with the terminal always restored.
#include "plataforma.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <strings.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <string_view>

#include "tecles.h"

namespace plataforma {

namespace {

// ---------------------------------------------------------------------------
// Terminal mode. Line reads use the terminal's own line mode; key reads and
// pauses switch to raw mode (no echo, no line editing) and stay there until
// the next line read or the end of the program, which restore the mode the
// terminal had when the program started.

termios mode_original;
volatile sig_atomic_t mode_desat = 0;
volatile sig_atomic_t mode_cru = 0;

void restaura_terminal() {
  if (mode_cru) {
    tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
    mode_cru = 0;
  }
}

void entra_mode_cru() {
  if (mode_cru || !mode_desat) return;
  termios cru = mode_original;
  cru.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  cru.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR);
  cru.c_cc[VMIN] = 1;
  cru.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &cru) == 0) mode_cru = 1;
}

bool entrada_es_terminal() { return mode_desat && isatty(STDIN_FILENO); }

// Fatal and terminating signals put the terminal back first, then take
// their previous course (the default action, or a sanitizer's handler).
constexpr int senyals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction accions_previes[sizeof senyals / sizeof senyals[0]];

void en_senyal(int senyal, siginfo_t *info, void *) {
  if (mode_desat) tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
  mode_cru = 0;
  for (std::size_t i = 0; i < sizeof senyals / sizeof senyals[0]; i++) {
    if (senyals[i] != senyal) continue;
    sigaction(senyal, &accions_previes[i], nullptr);
    bool error_maquina = senyal == SIGSEGV || senyal == SIGBUS || senyal == SIGFPE || senyal == SIGILL;
    // A faulting instruction faults again on return, now under the previous
    // action; a signal that was sent is sent again.
    if (!error_maquina || info->si_code <= 0) raise(senyal);
    return;
  }
}

// ---------------------------------------------------------------------------
// Console output. Every byte for the console passes through escriu_consola,
// the one place where the console's code page meets the terminal.

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

// ---------------------------------------------------------------------------
// Console input. Standard input refills from here, one line at a time: on a
// terminal the line mode delivers a line per read; on a pipe or a file the
// bytes are read one by one up to the line feed, so nothing past the line is
// taken from the device and a later key read or pause sees the next line.

// Every byte from the console passes through here, the input's one meeting
// point with the terminal. Returns what read returns, EINTR retried.
ssize_t llegeix_dispositiu(char *desti, std::size_t mida) {
  for (;;) {
    ssize_t n = read(STDIN_FILENO, desti, mida);
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

// One byte from the console, or -1 at its end.
int llegeix_byte() {
  char b;
  return llegeix_dispositiu(&b, 1) == 1 ? static_cast<unsigned char>(b) : -1;
}

std::string linia_lliurada;       // the line being handed to stdin's buffer
std::size_t linia_posicio = 0;    // how much of it stdin has taken

void llegeix_linia_dispositiu(std::string &linia) {
  linia.clear();
  if (entrada_es_terminal()) {
    char bloc[4096];
    ssize_t n = llegeix_dispositiu(bloc, sizeof bloc);
    if (n > 0) linia.assign(bloc, static_cast<std::size_t>(n));
    return;
  }
  for (int c; (c = llegeix_byte()) >= 0;) {
    linia.push_back(static_cast<char>(c));
    if (c == '\n') return;
  }
}

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

// ---------------------------------------------------------------------------
// Keys, read straight from the device as the original console did.

DescodificadorTecles descodificador;
bool fi_dispositiu = false;
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

// Waits for one key, as the pause command does: a key that sends several
// codes counts as one; on a pipe one byte; at the end of input, at once.
void espera_tecla() {
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

// ---------------------------------------------------------------------------
// The command interpreter's commands.

// The console's only case rule: A to Z onto a to z, other bytes unchanged.
char baixa(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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
  if (isatty(STDOUT_FILENO))
    std::fputs("\x1b[H\x1b[2J\x1b[3J", stdout);  // home, clear screen, clear scrollback
  else
    std::fputc('\f', stdout);
}

constexpr std::string_view missatge_pausa = "Premeu qualsevol tecla per continuar . . . ";

// ---------------------------------------------------------------------------
// The state of every stream opened here stays listed until the stream is
// closed: a program may end with a file still open, and the standard library
// then flushes the stream without closing it.

std::set<const void *> &oberts() {
  static auto *vius = new std::set<const void *>;  // never destroyed: streams outlive static objects
  return *vius;
}

// ---------------------------------------------------------------------------
// Text-mode files: each line feed is stored as CR LF and CR LF is read back
// as a line feed. Other bytes pass unchanged.

struct FitxerText {
  int fd;
  bool cr_pendent = false;  // a CR read at the end of a block, its LF not yet seen
  std::string llegit;       // converted bytes not yet handed to the stream
};

ssize_t llegeix_text(void *galeta, char *desti, std::size_t mida) {
  auto *f = static_cast<FitxerText *>(galeta);
  while (f->llegit.empty()) {
    char bloc[4096];
    ssize_t n = read(f->fd, bloc, sizeof bloc);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) {
      if (!f->cr_pendent) return 0;
      f->cr_pendent = false;
      f->llegit.push_back('\r');
      break;
    }
    for (ssize_t i = 0; i < n; i++) {
      char c = bloc[i];
      if (f->cr_pendent) {
        f->cr_pendent = false;
        if (c == '\n') {
          f->llegit.push_back('\n');
          continue;
        }
        f->llegit.push_back('\r');
      }
      if (c == '\r')
        f->cr_pendent = true;
      else
        f->llegit.push_back(c);
    }
  }
  std::size_t n = f->llegit.size() < mida ? f->llegit.size() : mida;
  std::memcpy(desti, f->llegit.data(), n);
  f->llegit.erase(0, n);
  return static_cast<ssize_t>(n);
}

std::string amb_cr(const char *dades, std::size_t mida) {
  std::string r;
  r.reserve(mida + mida / 8);
  for (std::size_t i = 0; i < mida; i++) {
    if (dades[i] == '\n') r.push_back('\r');
    r.push_back(dades[i]);
  }
  return r;
}

ssize_t escriu_text(void *galeta, const char *dades, std::size_t mida) {
  auto *f = static_cast<FitxerText *>(galeta);
  std::string convertit = amb_cr(dades, mida);
  if (!escriu_tot(f->fd, convertit.data(), convertit.size())) return -1;
  return static_cast<ssize_t>(mida);
}

int situa_text(void *galeta, off64_t *posicio, int des_de) {
  auto *f = static_cast<FitxerText *>(galeta);
  off64_t nova = lseek64(f->fd, *posicio, des_de);
  if (nova < 0) return -1;
  f->cr_pendent = false;
  f->llegit.clear();
  *posicio = nova;
  return 0;
}

int tanca_text(void *galeta) {
  auto *f = static_cast<FitxerText *>(galeta);
  int r = close(f->fd);
  oberts().erase(f);
  delete f;
  return r;
}

// ---------------------------------------------------------------------------
// The printer: the bytes written are kept and handed to the print spooler
// when the stream is closed. Nothing is submitted when nothing was written.

struct Impressora {
  std::string ordre;  // full path of lp or lpr
  bool text;
  std::string dades;
};

std::string cerca_al_cami(const char *nom) {
  const char *cami = std::getenv("PATH");
  std::string_view carpetes = cami ? cami : "/usr/bin:/bin";
  while (true) {
    std::size_t fi = carpetes.find(':');
    std::string_view carpeta = carpetes.substr(0, fi);
    std::string candidat(carpeta.empty() ? std::string_view(".") : carpeta);
    candidat.append("/").append(nom);
    if (access(candidat.c_str(), X_OK) == 0) return candidat;
    if (fi == std::string_view::npos) return "";
    carpetes.remove_prefix(fi + 1);
  }
}

ssize_t escriu_impressora(void *galeta, const char *dades, std::size_t mida) {
  auto *p = static_cast<Impressora *>(galeta);
  if (p->text)
    p->dades += amb_cr(dades, mida);
  else
    p->dades.append(dades, mida);
  return static_cast<ssize_t>(mida);
}

// Runs the spooler with the bytes on its standard input; its own report
// ("request id is ...") is not the program's output and is discarded.
bool envia_a_cua(const std::string &ordre, const std::string &dades) {
  int canal[2];
  if (pipe(canal) != 0) return false;
  pid_t fill = fork();
  if (fill < 0) {
    close(canal[0]);
    close(canal[1]);
    return false;
  }
  if (fill == 0) {
    dup2(canal[0], STDIN_FILENO);
    close(canal[0]);
    close(canal[1]);
    int nul = open("/dev/null", O_WRONLY);
    if (nul >= 0) dup2(nul, STDOUT_FILENO);
    execl(ordre.c_str(), ordre.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(canal[0]);
  struct sigaction ignora {}, previa {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignora, &previa);
  bool escrit = escriu_tot(canal[1], dades.data(), dades.size());
  close(canal[1]);
  sigaction(SIGPIPE, &previa, nullptr);
  int estat = 0;
  while (waitpid(fill, &estat, 0) < 0 && errno == EINTR) {
  }
  return escrit && WIFEXITED(estat) && WEXITSTATUS(estat) == 0;
}

int tanca_impressora(void *galeta) {
  auto *p = static_cast<Impressora *>(galeta);
  bool be = p->dades.empty() || envia_a_cua(p->ordre, p->dades);
  oberts().erase(p);
  delete p;
  return be ? 0 : -1;
}

FILE *obre_impressora(bool text) {
  std::string ordre = cerca_al_cami("lp");
  if (ordre.empty()) ordre = cerca_al_cami("lpr");
  if (ordre.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  auto *p = new Impressora{ordre, text, {}};
  cookie_io_functions_t funcions{nullptr, escriu_impressora, nullptr, tanca_impressora};
  FILE *f = fopencookie(p, "w", funcions);
  if (f)
    oberts().insert(p);
  else
    delete p;
  return f;
}

// ---------------------------------------------------------------------------
// Start-up: the standard streams are put on the console before main runs.

void tanca_en_sortir() { restaura_terminal(); }

void inicia() {
  cookie_io_functions_t entrada{llegeix_consola, nullptr, nullptr, nullptr};
  cookie_io_functions_t sortida{nullptr, escriu_consola, nullptr, nullptr};
  FILE *nova_entrada = fopencookie(nullptr, "r", entrada);
  FILE *nova_sortida = fopencookie(nullptr, "w", sortida);
  if (!nova_entrada || !nova_sortida) return;
  std::setvbuf(nova_sortida, nullptr, _IOFBF, 1 << 16);
  stdin = nova_entrada;
  stdout = nova_sortida;

  if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &mode_original) == 0) {
    mode_desat = 1;
    for (std::size_t i = 0; i < sizeof senyals / sizeof senyals[0]; i++) {
      struct sigaction accio {};
      accio.sa_sigaction = en_senyal;
      accio.sa_flags = SA_SIGINFO;
      sigemptyset(&accio.sa_mask);
      sigaction(senyals[i], &accio, &accions_previes[i]);
    }
  }
  std::atexit(tanca_en_sortir);
}

struct Inicialitzacio {
  Inicialitzacio() { inicia(); }
} inicialitzacio;

}  // namespace

// ---------------------------------------------------------------------------
// The services the programs call.

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

int fflush(FILE *flux) {
  if (flux != stdin) return std::fflush(flux);
  __fpurge(stdin);
  linia_lliurada.clear();
  linia_posicio = 0;
  if (entrada_es_terminal()) {
    tcflush(STDIN_FILENO, TCIFLUSH);
    descodificador.buida();
  }
  return 0;
}

int _getch() {
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
  if (!entrada_es_terminal()) {
    buida_sortida();
    pollfd p{STDIN_FILENO, POLLIN, 0};
    return poll(&p, 1, 0) != 0;  // readable, at its end, or closed: a read will not wait
  }
  entra_mode_cru();
  buida_sortida();
  if (descodificador.hi_ha_codi()) return 1;
  omple_descodificador(false);
  return descodificador.hi_ha_codi() || fi_dispositiu;
}

void _sleep(unsigned long ms) {
  buida_sortida();
  timespec resta{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&resta, &resta) != 0 && errno == EINTR) {
  }
}

int _strcmpi(const char *a, const char *b) {
  for (;; a++, b++) {
    int ca = static_cast<unsigned char>(baixa(*a));
    int cb = static_cast<unsigned char>(baixa(*b));
    if (ca != cb || ca == 0) return ca - cb;
  }
}

char *_strlwr(char *s) {
  for (char *c = s; *c; c++) *c = baixa(*c);
  return s;
}

char *_itoa(int valor, char *buffer, int base) {
  if (base < 2 || base > 36) {
    buffer[0] = '\0';
    return buffer;
  }
  char *p = buffer;
  std::uint32_t n = static_cast<std::uint32_t>(valor);
  if (base == 10 && valor < 0) {
    *p++ = '-';
    n = 0u - n;
  }
  char xifres[33];
  int k = 0;
  do {
    xifres[k++] = "0123456789abcdefghijklmnopqrstuvwxyz"[n % static_cast<std::uint32_t>(base)];
    n /= static_cast<std::uint32_t>(base);
  } while (n > 0);
  while (k > 0) *p++ = xifres[--k];
  *p = '\0';
  return buffer;
}

FILE *fopen(const char *nom, const char *mode) {
  std::string_view m = mode;
  bool binari = m.find('b') != std::string_view::npos;
  bool mes = m.find('+') != std::string_view::npos;
  char base = m.empty() ? '\0' : m[0];
  bool exclusiu = base == 'w' && m.find('x') != std::string_view::npos;
  if (base != 'r' && base != 'w' && base != 'a') {
    errno = EINVAL;
    return nullptr;
  }
  std::string net(1, base);
  if (mes) net += '+';

  if (strcasecmp(nom, "prn") == 0) {
    if (base == 'r' && !mes) {
      errno = EACCES;
      return nullptr;
    }
    return obre_impressora(!binari);
  }

  int senyals_obertura = base == 'r' ? 0 : base == 'w' ? O_CREAT | O_TRUNC : O_CREAT | O_APPEND;
  if (exclusiu) senyals_obertura = O_CREAT | O_EXCL;
  senyals_obertura |= mes ? O_RDWR : base == 'r' ? O_RDONLY : O_WRONLY;
  int fd = open(nom, senyals_obertura | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    errno = EISDIR;
    return nullptr;
  }
  if (binari) {
    FILE *flux = fdopen(fd, (net + 'b').c_str());
    if (!flux) {
      int error = errno;
      close(fd);
      errno = error;
    }
    return flux;
  }
  auto *f = new FitxerText{fd, false, {}};
  cookie_io_functions_t funcions{llegeix_text, escriu_text, situa_text, tanca_text};
  FILE *flux = fopencookie(f, net.c_str(), funcions);
  if (!flux) {
    int error = errno;
    close(fd);
    delete f;
    errno = error;
    return nullptr;
  }
  oberts().insert(f);
  return flux;
}

}  // namespace plataforma
