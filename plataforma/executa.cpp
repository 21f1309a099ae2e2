// Runs another program on this console, as a shell runs a job: in a process
// group of its own that has the terminal while it runs, so that Ctrl-Z, Ctrl-C
// and the shell's fg reach that program alone, and the console put back as
// it was when it ends, however it ends.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "executa.h"
#include "intern.h"
#include "plataforma.h"

extern char **environ;

namespace plataforma {

using namespace intern;

namespace {

// The program's group while it runs (0 before and after), and the signal
// that asked this launcher to end meanwhile.
volatile sig_atomic_t grup_fill = 0;
volatile sig_atomic_t senyal_final = 0;

// SIGTERM and SIGHUP end the program first: its group gets the signal (and a
// SIGCONT, should it be stopped), and this launcher ends by the signal once
// the program has ended and the terminal is back.
void en_senyal_final(int senyal) {
  int error = errno;
  senyal_final = senyal;
  pid_t grup = grup_fill;
  if (grup > 0) {
    kill(-grup, senyal);
    kill(-grup, SIGCONT);
  }
  errno = error;
}

sigset_t nomes(int senyal) {
  sigset_t s;
  sigemptyset(&s);
  sigaddset(&s, senyal);
  return s;
}

// The terminal handed to a process group; from the background as well.
void dona_terminal(pid_t grup) {
  sigset_t ttou = nomes(SIGTTOU), previ;
  sigprocmask(SIG_BLOCK, &ttou, &previ);
  tcsetpgrp(STDIN_FILENO, grup);
  sigprocmask(SIG_SETMASK, &previ, nullptr);
}

// The terminal back from the program's group, in the launcher's mode: only
// when this launcher had it (not from the background).
void recupera_terminal(pid_t grup, const termios &mode) {
  if (tcgetpgrp(STDIN_FILENO) == grup) dona_terminal(getpgrp());
  posa_mode_en_primer_pla(mode);
}

// This launcher stops as its program did, so that the shell sees one stopped
// job; it goes on at the shell's fg (or bg). The whole of the launcher's own
// group stops, as the terminal's stop key would stop it: started by a
// process that shares the group (make run), that process stops too, and the
// shell sees its job stopped. A group that no shell watches does not stop on
// SIGTSTP: then it goes on at once.
void atura_com(int senyal) {
  int propi = senyal == SIGSTOP ? SIGSTOP : SIGTSTP;
  struct sigaction defecte {
  }, previa {};
  defecte.sa_handler = SIG_DFL;
  sigemptyset(&defecte.sa_mask);
  sigaction(SIGTSTP, &defecte, &previa);
  sigset_t tstp = nomes(SIGTSTP), mascara;
  sigprocmask(SIG_UNBLOCK, &tstp, &mascara);
  if (kill(0, propi) != 0) raise(propi);
  sigprocmask(SIG_SETMASK, &mascara, nullptr);
  sigaction(SIGTSTP, &previa, nullptr);
}

// The environment for the child: this one, with the pause notice's
// descriptor in it.
std::vector<char *> entorn_amb_avis(std::string &variable, int descriptor) {
  variable = std::string(variable_avis_pausa) + "=" + std::to_string(descriptor);
  std::vector<char *> r;
  std::size_t llargada = sizeof variable_avis_pausa - 1;
  for (char **e = environ; *e; e++)
    if (std::strncmp(*e, variable_avis_pausa, llargada) != 0 || (*e)[llargada] != '=') r.push_back(*e);
  r.push_back(variable.data());
  r.push_back(nullptr);
  return r;
}

struct Accions {
  struct sigaction interrupcio, sortida, terminacio, penjada;
};

void posa_accions(const Accions &a) {
  sigaction(SIGINT, &a.interrupcio, nullptr);
  sigaction(SIGQUIT, &a.sortida, nullptr);
  sigaction(SIGTERM, &a.terminacio, nullptr);
  sigaction(SIGHUP, &a.penjada, nullptr);
}

// Between fork and exec: only calls that are safe there.
[[noreturn]] void fill(const char *cami, char *const argv[], char *const entorn[], const char *carpeta,
                       bool amb_terminal, pid_t pare, const Accions &previes, const sigset_t &mascara, int error_exec,
                       int avis_pausa) {
  setpgid(0, 0);
  if (amb_terminal) dona_terminal(getpid());
  // The launcher's actions back (a handler becomes the default action at
  // exec; an ignored signal stays ignored), then the signals held at fork.
  posa_accions(previes);
  sigprocmask(SIG_SETMASK, &mascara, nullptr);
  // A launcher killed outright hangs this program up; and if it died
  // already, this one goes no further.
  prctl(PR_SET_PDEATHSIG, SIGHUP);
  if (getppid() != pare) _exit(128 + SIGHUP);
  fcntl(avis_pausa, F_SETFD, 0);  // the one descriptor the program inherits
  int error = 0;
  if (chdir(carpeta) == 0) execve(cami, argv, entorn);
  error = errno;
  ssize_t escrit = write(error_exec, &error, sizeof error);
  (void)escrit;
  _exit(127);
}

}  // namespace

bool executa(const char *cami, char *const argv[], const char *carpeta, Final &final) {
  buida_sortida();
  restaura_terminal();
  torna_entrada_no_lliurada();  // the child reads a file of input from where this program stopped
  final = Final {};
  // The job gets the terminal only from a launcher that has it.
  termios mode_previ {};
  bool amb_mode = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &mode_previ) == 0;
  bool amb_terminal = amb_mode && en_primer_pla();
  int avis[2];   // the child's exec failure comes back through here
  int pausa[2];  // the child's one byte when it ended just after a pause of its own
  if (pipe2(avis, O_CLOEXEC) != 0) return false;
  if (pipe2(pausa, O_CLOEXEC | O_NONBLOCK) != 0) {
    int error = errno;
    close(avis[0]);
    close(avis[1]);
    errno = error;
    return false;
  }
  std::string variable;
  std::vector<char *> entorn = entorn_amb_avis(variable, pausa[1]);

  Accions previes {};
  struct sigaction ignora {
  }, acaba {};
  ignora.sa_handler = SIG_IGN;
  sigemptyset(&ignora.sa_mask);
  acaba.sa_handler = en_senyal_final;
  sigemptyset(&acaba.sa_mask);
  sigaction(SIGINT, &ignora, &previes.interrupcio);
  sigaction(SIGQUIT, &ignora, &previes.sortida);
  sigaction(SIGTERM, nullptr, &previes.terminacio);
  sigaction(SIGHUP, nullptr, &previes.penjada);
  // An ignored SIGTERM or SIGHUP stays ignored, for both.
  if (previes.terminacio.sa_handler != SIG_IGN) sigaction(SIGTERM, &acaba, nullptr);
  if (previes.penjada.sa_handler != SIG_IGN) sigaction(SIGHUP, &acaba, nullptr);
  senyal_final = 0;
  // Held until the child's group is known, so that none is lost.
  sigset_t finals, mascara;
  sigemptyset(&finals);
  sigaddset(&finals, SIGTERM);
  sigaddset(&finals, SIGHUP);
  sigprocmask(SIG_BLOCK, &finals, &mascara);

  pid_t pare = getpid();
  pid_t pid = fork();
  if (pid == 0) fill(cami, argv, entorn.data(), carpeta, amb_terminal, pare, previes, mascara, avis[1], pausa[1]);
  close(avis[1]);
  close(pausa[1]);
  int error = 0;
  if (pid < 0) {
    error = errno;
  } else {
    // Both sides set the group and hand over the terminal: whichever runs
    // first, the program never reads from a terminal that is not its own.
    setpgid(pid, pid);
    if (amb_terminal) dona_terminal(pid);
    grup_fill = pid;
    sigprocmask(SIG_SETMASK, &mascara, nullptr);
    ssize_t n;
    while ((n = read(avis[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (n != static_cast<ssize_t>(sizeof error)) error = 0;
    int s = 0;
    for (;;) {
      if (waitpid(pid, &s, WUNTRACED) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      if (!WIFSTOPPED(s)) break;
      // Stopped (Ctrl-Z): the terminal back to this launcher in its own
      // mode, and this launcher stops too; at the shell's fg the program
      // gets the terminal again and goes on.
      if (amb_mode) recupera_terminal(pid, mode_previ);
      if (senyal_final == 0) atura_com(WSTOPSIG(s));
      if (amb_mode && en_primer_pla()) dona_terminal(pid);
      kill(-pid, SIGCONT);
    }
    grup_fill = 0;
    if (WIFEXITED(s)) final.estat = WEXITSTATUS(s);
    if (WIFSIGNALED(s)) final.senyal = WTERMSIG(s);
  }
  // The terminal back, in the mode it had before the program, with the
  // cursor shown and the usual colours, however the program ended.
  if (amb_mode) recupera_terminal(pid, mode_previ);
  if (isatty(STDOUT_FILENO)) {
    aparenca_canviada = 1;
    restaura_aparenca();
  }
  char byte;
  final.acaba_en_pausa = pid > 0 && read(pausa[0], &byte, 1) == 1;
  close(pausa[0]);
  close(avis[0]);
  posa_accions(previes);
  if (senyal_final != 0) raise(senyal_final);  // the previous action: it ends this launcher
  if (error != 0) {
    errno = error;
    return false;
  }
  return true;
}

}  // namespace plataforma
