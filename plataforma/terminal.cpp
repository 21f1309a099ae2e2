// Terminal mode and signals: raw mode for key reads, and the mode the
// terminal had at start put back at exit and on every terminating signal.
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "consola.h"
#include "intern.h"
#include "plataforma.h"

namespace plataforma::intern {

// Line reads use the terminal's own line mode; key reads and pauses switch
// to raw mode (no echo, no line editing) and stay there until the next line
// read or the end of the program, which restore the mode the terminal had
// when the program started.

namespace {
termios mode_original;
}
volatile sig_atomic_t mode_desat = 0;
volatile sig_atomic_t mode_cru = 0;
volatile sig_atomic_t aparenca_canviada = 0;
void (*redibuixa_en_reprendre)() = nullptr;

volatile sig_atomic_t pantalla_alternativa_activa = 0;
const char *aparenca_cursor = nullptr;

void posa_aparenca_cursor(const char *sequencia) {
  if (!sequencies_actives()) return;
  aparenca_canviada = 1;
  aparenca_cursor = sequencia;
  escriu_propi(sequencia);
}

void restaura_aparenca() {
  if (pantalla_alternativa_activa) {
    pantalla_alternativa_activa = 0;
    ssize_t escrit = write(STDOUT_FILENO, seq::pantalla_normal, sizeof seq::pantalla_normal - 1);
    (void)escrit;
  }
  if (!aparenca_canviada) return;
  aparenca_canviada = 0;
  ssize_t escrit = write(STDOUT_FILENO, aparenca_original.data(), aparenca_original.size() - 1);
  (void)escrit;  // nothing more can be done for a terminal that takes nothing
}

// At the end of the program what was typed and never read is dropped with
// the raw mode (a key typed on seeing the program end does not reach the
// shell); before a line read it stays, as the start of the line.
void restaura_terminal(bool descarta_teclejat) {
  if (mode_cru) {
    tcsetattr(STDIN_FILENO, descarta_teclejat ? TCSAFLUSH : TCSANOW, &mode_original);
    mode_cru = 0;
  }
}

namespace {

termios mode_cru_de(const termios &original) {
  termios cru = original;
  cru.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  cru.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR);
  cru.c_cc[VMIN] = 1;
  cru.c_cc[VTIME] = 0;
  return cru;
}

}  // namespace

void entra_mode_cru() {
  if (mode_cru || !mode_desat) return;
  termios cru = mode_cru_de(mode_original);
  if (tcsetattr(STDIN_FILENO, TCSANOW, &cru) == 0) mode_cru = 1;
}

bool entrada_es_terminal() { return mode_desat && isatty(STDIN_FILENO); }

namespace {

// Every signal whose default action ends the process puts the terminal back
// first, then takes its previous course (the default action, or a
// sanitizer's handler), so the exit status still names the signal. A signal
// that the parent ignored stays ignored.
constexpr int senyals_fixos[] = {SIGHUP,  SIGINT,    SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,
                                 SIGUSR1, SIGSEGV,   SIGUSR2, SIGPIPE, SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU,
                                 SIGXFSZ, SIGVTALRM, SIGPROF, SIGIO,   SIGPWR,  SIGSYS};
struct sigaction accions_previes[NSIG];

volatile sig_atomic_t cru_en_aturar = 0;  // the terminal was raw when the program was suspended
volatile sig_atomic_t represa_pendent = 0;
volatile sig_atomic_t mida_canviada = 0;  // SIGWINCH came: the size is read again

}  // namespace

void restaura_tot_senyal() {
  restaura_aparenca();
  if (mode_desat) tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
  mode_cru = 0;
}

// After a resume or a resize: the model takes the terminal's new size, the
// cursor's look comes back (a suspend showed it) and the program redraws.
void aten_represa() {
  if (!represa_pendent) return;
  represa_pendent = 0;
  int files, columnes;
  plataforma::mida_terminal(files, columnes);
  if (files > 0 && columnes > 0) pantalla().redimensiona(columnes, files);
  if (aparenca_cursor) posa_aparenca_cursor(aparenca_cursor);
  if (redibuixa_en_reprendre) redibuixa_en_reprendre();
  buida_sortida();
}

namespace {

void en_senyal(int senyal, siginfo_t *info, void *) {
  restaura_tot_senyal();
  sigaction(senyal, &accions_previes[senyal], nullptr);
  bool error_maquina = senyal == SIGSEGV || senyal == SIGBUS || senyal == SIGFPE || senyal == SIGILL;
  // A faulting instruction faults again on return, now under the previous
  // action; a signal that was sent is sent again.
  if (!error_maquina || info->si_code <= 0) raise(senyal);
}

bool en_primer_pla() { return tcgetpgrp(STDIN_FILENO) == getpgrp(); }

// Whether a stop by SIGTSTP would take effect: the kernel discards it in a
// process group that no shell of the session watches (orphaned).
bool aturada_vigilada() {
  pid_t pare = getppid();
  return getsid(pare) == getsid(0) && getpgid(pare) != getpgrp();
}

void instal_la(int senyal, void (*accio)(int)) {
  struct sigaction a {};
  a.sa_handler = accio;
  sigemptyset(&a.sa_mask);
  sigaction(senyal, &a, nullptr);
}

void en_continuar(int);

// Ctrl-Z: the terminal is left as the program found it (mode, colours,
// cursor), then the program stops as it would have without this handler.
void en_suspendre(int) {
  int error = errno;
  int era_cru = mode_cru;
  restaura_tot_senyal();
  cru_en_aturar = era_cru;
  if (aturada_vigilada()) {
    instal_la(SIGTSTP, SIG_DFL);
    sigset_t tstp;
    sigemptyset(&tstp);
    sigaddset(&tstp, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &tstp, nullptr);
    raise(SIGTSTP);
  } else {
    raise(SIGSTOP);
  }
  // Running again: SIGCONT has been handled.
  struct sigaction a {};
  a.sa_handler = en_suspendre;
  sigemptyset(&a.sa_mask);
  sigaction(SIGTSTP, &a, nullptr);
  errno = error;
}

// Resumed: raw mode again if it was raw (in the foreground: in the
// background the next key read enters it), and the program's redraw is due.
void en_continuar(int) {
  int error = errno;
  if ((cru_en_aturar || mode_cru) && mode_desat) {
    mode_cru = 0;
    if (en_primer_pla()) {
      termios cru = mode_cru_de(mode_original);
      if (tcsetattr(STDIN_FILENO, TCSANOW, &cru) == 0) mode_cru = 1;
    }
  }
  cru_en_aturar = 0;
  represa_pendent = 1;
  errno = error;
}

// The window changed size: read again at the next mida_terminal, and the
// program's redraw is due.
void en_redimensionar(int) {
  mida_canviada = 1;
  represa_pendent = 1;
}

// Installs the handler unless the signal was ignored; the previous action
// is kept for the chain.
void vigila(int senyal) {
  struct sigaction previa {};
  if (sigaction(senyal, nullptr, &previa) != 0 || previa.sa_handler == SIG_IGN) return;
  accions_previes[senyal] = previa;
  struct sigaction accio {};
  accio.sa_sigaction = en_senyal;
  accio.sa_flags = SA_SIGINFO;
  sigemptyset(&accio.sa_mask);
  sigaction(senyal, &accio, nullptr);
}

}  // namespace

void prepara_terminal() {
  if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &mode_original) == 0) mode_desat = 1;
  if (!mode_desat && !isatty(STDOUT_FILENO)) return;
  for (int senyal : senyals_fixos) vigila(senyal);
  for (int senyal = SIGRTMIN; senyal <= SIGRTMAX; senyal++) vigila(senyal);
  struct sigaction previa {};
  if (sigaction(SIGTSTP, nullptr, &previa) == 0 && previa.sa_handler != SIG_IGN) instal_la(SIGTSTP, en_suspendre);
  instal_la(SIGCONT, en_continuar);
  if (isatty(STDOUT_FILENO)) {
    // Restarted reads: a line being typed is not cut; key waits (poll) end
    // and redraw.
    struct sigaction a {};
    a.sa_handler = en_redimensionar;
    a.sa_flags = SA_RESTART;
    sigemptyset(&a.sa_mask);
    sigaction(SIGWINCH, &a, nullptr);
  }
}

}  // namespace plataforma::intern

void plataforma::en_reprendre(void (*redibuixa)()) { intern::redibuixa_en_reprendre = redibuixa; }

// The size (TIOCGWINSZ) as read at start, and again after every SIGWINCH.
void plataforma::mida_terminal(int &files, int &columnes) {
  static int f = -1, c = -1;
  if (f < 0 || intern::mida_canviada) {
    intern::mida_canviada = 0;
    winsize w {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &w) != 0 && ioctl(STDIN_FILENO, TIOCGWINSZ, &w) != 0) w = winsize {};
    f = w.ws_row;
    c = w.ws_col;
  }
  files = f;
  columnes = c;
}
