// Terminal mode and signals: raw mode for key reads, and the mode the
// terminal had at start put back at exit and on every terminating signal.
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
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
// From the background the call stops the program on SIGTTOU until the shell's
// fg, then goes on: job control as every terminal program has it.
namespace {

// The terminal's mode and mode_cru change together: a Ctrl-Z between the
// two would put back the mode that mode_cru names, and the resume would
// leave the terminal in the mode the program believes it left.
class SenseSuspensio {
 public:
  SenseSuspensio() {
    sigset_t senyals;
    sigemptyset(&senyals);
    sigaddset(&senyals, SIGTSTP);
    sigaddset(&senyals, SIGCONT);
    sigprocmask(SIG_BLOCK, &senyals, &previ_);
  }
  ~SenseSuspensio() { sigprocmask(SIG_SETMASK, &previ_, nullptr); }
  SenseSuspensio(const SenseSuspensio &) = delete;
  SenseSuspensio &operator=(const SenseSuspensio &) = delete;

 private:
  sigset_t previ_;
};

}  // namespace

void restaura_terminal(bool descarta_teclejat) {
  SenseSuspensio sense_suspensio;
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
  SenseSuspensio sense_suspensio;
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

bool en_primer_pla() { return tcgetpgrp(STDIN_FILENO) == getpgrp(); }

bool posa_mode_en_primer_pla(const termios &mode) {
  sigset_t ttou, previ;
  sigemptyset(&ttou);
  sigaddset(&ttou, SIGTTOU);
  sigprocmask(SIG_BLOCK, &ttou, &previ);
  bool fet = en_primer_pla() && tcsetattr(STDIN_FILENO, TCSANOW, &mode) == 0;
  sigprocmask(SIG_SETMASK, &previ, nullptr);
  return fet;
}

// In the background the shell has the terminal and its own mode on it: the
// mode is left alone. The appearance is written all the same (with SIGTTOU
// blocked, a terminal with tostop takes it too): a shown cursor and the
// usual colours suit the shell's prompt.
void restaura_tot_senyal() {
  sigset_t ttou, previ;
  sigemptyset(&ttou);
  sigaddset(&ttou, SIGTTOU);
  sigprocmask(SIG_BLOCK, &ttou, &previ);
  restaura_aparenca();
  sigprocmask(SIG_SETMASK, &previ, nullptr);
  if (mode_desat) posa_mode_en_primer_pla(mode_original);
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
  salda_deute_senyal();
  restaura_tot_senyal();
  sigaction(senyal, &accions_previes[senyal], nullptr);
  bool error_maquina = senyal == SIGSEGV || senyal == SIGBUS || senyal == SIGFPE || senyal == SIGILL;
  // A faulting instruction faults again on return, now under the previous
  // action; a signal that was sent is sent again.
  if (!error_maquina || info->si_code <= 0) raise(senyal);
}

void instal_la(int senyal, void (*accio)(int)) {
  struct sigaction a {};
  a.sa_handler = accio;
  sigemptyset(&a.sa_mask);
  sigaction(senyal, &a, nullptr);
}

volatile sig_atomic_t suspenent = 0;  // a Ctrl-Z is being handled
volatile sig_atomic_t continuat = 0;  // a SIGCONT came meanwhile

// Running again: raw mode again if it was raw (in the foreground: in the
// background the next key read enters it), and the program's redraw is due.
void repren() {
  if ((cru_en_aturar || mode_cru) && mode_desat) mode_cru = posa_mode_en_primer_pla(mode_cru_de(mode_original)) ? 1 : 0;
  cru_en_aturar = 0;
  represa_pendent = 1;
}

// Ctrl-Z: the terminal is left as the program found it (mode, colours,
// cursor), then the program stops as it would have without this handler.
// The stop comes once, here: when a process that shares this program's
// group (make, a launcher of old) stopped first, the shell may already have
// the terminal back, and a mode set from the background would stop the
// program on SIGTTOU inside this handler, with the stop below still to come
// after the shell's fg. And the shell's fg may come before this handler is
// done: the stop is raised first, held while SIGTSTP is blocked (as it is
// in this handler), so that a SIGCONT from then on discards it as it
// discards any pending stop; one that came even earlier is seen through
// continuat, and the stop is dropped here.
void en_suspendre(int) {
  // First of all, and not through raise, which blocks every signal around
  // its call: a stop signal clears a SIGCONT still pending, and a SIGCONT
  // that came before this one must have run en_continuar already.
  int error = errno;
  tgkill(getpid(), gettid(), SIGTSTP);
  suspenent = 1;
  instal_la(SIGTSTP, SIG_DFL);  // when it is unblocked, the held one stops the program
  int era_cru = mode_cru;
  restaura_tot_senyal();
  cru_en_aturar = era_cru;
  bool ja_continuat = continuat;
  if (ja_continuat) instal_la(SIGTSTP, SIG_IGN);  // drops the pending stop
  sigset_t tstp;
  sigemptyset(&tstp);
  sigaddset(&tstp, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &tstp, nullptr);  // the stop, unless a SIGCONT discarded it
  if (ja_continuat) {
    repren();  // what SIGCONT set up may have been undone above
  } else if (!continuat) {
    // Still running, with no SIGCONT: the kernel discards SIGTSTP in a
    // process group that no shell of the session watches (orphaned). Such
    // a stop is for whoever watches this process; it resumes it after it
    // sees the stop.
    raise(SIGSTOP);
  }
  // Running again: SIGCONT has been handled.
  continuat = 0;
  suspenent = 0;
  instal_la(SIGTSTP, en_suspendre);
  errno = error;
}

// SIGTSTP is blocked from the moment the kernel set up its handler's frame,
// so this handler knows a Ctrl-Z under way even when it runs first.
void en_continuar(int) {
  int error = errno;
  sigset_t mascara;
  if (suspenent || (sigprocmask(SIG_BLOCK, nullptr, &mascara) == 0 && sigismember(&mascara, SIGTSTP) == 1))
    continuat = 1;
  repren();
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
  bool terminal = mode_desat || isatty(STDOUT_FILENO);
  // A signal that ends the program puts the terminal back, and takes from
  // a pipe the lines already handed over from it.
  struct stat entrada {};
  if (!terminal && (fstat(STDIN_FILENO, &entrada) != 0 || !S_ISFIFO(entrada.st_mode))) return;
  for (int senyal : senyals_fixos) vigila(senyal);
  for (int senyal = SIGRTMIN; senyal <= SIGRTMAX; senyal++) vigila(senyal);
  if (!terminal) return;
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
