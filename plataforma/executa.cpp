// Runs another program on this console, as the command interpreter would:
// the console in line mode, and the interrupt keys stopping only that
// program.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "executa.h"
#include "intern.h"
#include "plataforma.h"

namespace plataforma {

using namespace intern;

bool executa(const char *cami, char *const argv[], const char *carpeta, Final &final) {
  buida_sortida();
  restaura_terminal();
  torna_entrada_no_lliurada();  // the child reads a file of input from where this program stopped
  int avis[2];                  // the child's exec failure comes back through here
  if (pipe2(avis, O_CLOEXEC) != 0) return false;
  struct sigaction ignora {
  }, int_previ {}, quit_previ {};
  ignora.sa_handler = SIG_IGN;
  sigemptyset(&ignora.sa_mask);
  sigaction(SIGINT, &ignora, &int_previ);
  sigaction(SIGQUIT, &ignora, &quit_previ);
  pid_t fill = fork();
  if (fill == 0) {
    // A handler becomes the default action at exec; an ignored signal stays
    // ignored, as it was for this program.
    sigaction(SIGINT, &int_previ, nullptr);
    sigaction(SIGQUIT, &quit_previ, nullptr);
    close(avis[0]);
    int error = 0;
    if (chdir(carpeta) == 0) execv(cami, argv);
    error = errno;
    ssize_t escrit = write(avis[1], &error, sizeof error);
    (void)escrit;
    _exit(127);
  }
  close(avis[1]);
  int error = 0;
  final = Final {};
  if (fill < 0) {
    error = errno;
  } else {
    ssize_t n;
    while ((n = read(avis[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (n != static_cast<ssize_t>(sizeof error)) error = 0;
    int s = 0;
    while (waitpid(fill, &s, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(s)) final.estat = WEXITSTATUS(s);
    if (WIFSIGNALED(s)) final.senyal = WTERMSIG(s);
  }
  close(avis[0]);
  sigaction(SIGINT, &int_previ, nullptr);
  sigaction(SIGQUIT, &quit_previ, nullptr);
  if (error != 0) {
    errno = error;
    return false;
  }
  return true;
}

}  // namespace plataforma
