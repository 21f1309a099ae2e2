// Test helper: runs its command line as one job, as an interactive shell
// does on its terminal. The job gets a process group of its own and the
// terminal; when it stops, the terminal comes back here in this helper's
// mode, "[aturada]" is shown and a line is read: "fg" hands the terminal
// back and continues the job's group. "[feina PID]" tells the job's process
// at the start; "[estat N]" or "[senyal N]" how it ended, and this helper
// exits with the job's status as a shell gives it. As bash does, the mode is
// put back after a job that stopped or was killed, and kept after one that
// exited.
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void diu(const char *format, int n) {
  char text[64];
  int mida = std::snprintf(text, sizeof text, format, n);
  if (write(STDOUT_FILENO, text, static_cast<std::size_t>(mida)) < 0) _exit(120);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  termios mode {};
  tcgetattr(STDIN_FILENO, &mode);
  for (int s : {SIGTTOU, SIGTTIN, SIGTSTP, SIGINT, SIGQUIT}) signal(s, SIG_IGN);
  pid_t feina = fork();
  if (feina < 0) return 2;
  if (feina == 0) {
    setpgid(0, 0);
    tcsetpgrp(STDIN_FILENO, getpid());
    for (int s : {SIGTTOU, SIGTTIN, SIGTSTP, SIGINT, SIGQUIT}) signal(s, SIG_DFL);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  setpgid(feina, feina);
  tcsetpgrp(STDIN_FILENO, feina);
  diu("[feina %d]\r\n", feina);
  for (;;) {
    int s = 0;
    if (waitpid(feina, &s, WUNTRACED) < 0) return 2;
    tcsetpgrp(STDIN_FILENO, getpgrp());
    if (WIFEXITED(s)) {
      diu("[estat %d]\r\n", WEXITSTATUS(s));
      return WEXITSTATUS(s);
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &mode);
    if (WIFSIGNALED(s)) {
      diu("[senyal %d]\r\n", WTERMSIG(s));
      return 128 + WTERMSIG(s);
    }
    diu("[aturada %d]\r\n", WSTOPSIG(s));
    char linia[64];
    ssize_t n = read(STDIN_FILENO, linia, sizeof linia - 1);
    if (n <= 0 || std::strncmp(linia, "fg", 2) != 0) {
      kill(-feina, SIGHUP);
      kill(-feina, SIGCONT);
      return 2;
    }
    tcsetpgrp(STDIN_FILENO, feina);
    kill(-feina, SIGCONT);
  }
}
