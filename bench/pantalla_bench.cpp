// Figures of the real-time programs: CPU share on an 80 x 25 terminal,
// frame and step periods with the writes each one takes (counted under
// strace when it is installed), and the unpaced runs through pipes.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using rellotge = std::chrono::steady_clock;

std::string programa(const std::string &nom) { return std::string(DIR_PROGRAMES) + "/" + nom; }

double segons(rellotge::duration d) { return std::chrono::duration<double>(d).count(); }

struct Sessio {
  std::string sortida;
  double paret = 0, cpu = 0;
  int estat = -1;
};

// Runs argv on an 80 x 25 pseudo-terminal for durada seconds, then types
// the key and waits for the end.
Sessio en_terminal(const std::vector<std::string> &args, double durada, const std::string &tecla) {
  Sessio s;
  winsize mida {};
  mida.ws_row = 25;
  mida.ws_col = 80;
  int mestre;
  auto inici = rellotge::now();
  pid_t fill = forkpty(&mestre, nullptr, nullptr, &mida);
  if (fill == 0) {
    setenv("TERM", "xterm", 1);
    std::vector<char *> argv;
    for (const auto &a : args) argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  bool enviada = false;
  char bloc[65536];
  for (;;) {
    if (!enviada && segons(rellotge::now() - inici) >= durada) {
      if (write(mestre, tecla.data(), tecla.size()) < 0) break;
      enviada = true;
    }
    pollfd p {mestre, POLLIN, 0};
    if (poll(&p, 1, 10) > 0) {
      ssize_t n = read(mestre, bloc, sizeof bloc);
      if (n > 0)
        s.sortida.append(bloc, static_cast<std::size_t>(n));
      else if (n == 0 || (errno != EINTR && errno != EAGAIN))
        break;
    }
    int estat;
    rusage us {};
    if (wait4(fill, &estat, WNOHANG, &us) == fill) {
      s.paret = segons(rellotge::now() - inici);
      s.cpu = static_cast<double>(us.ru_utime.tv_sec + us.ru_stime.tv_sec) +
              static_cast<double>(us.ru_utime.tv_usec + us.ru_stime.tv_usec) / 1e6;
      s.estat = WIFEXITED(estat) ? WEXITSTATUS(estat) : -1;
      close(mestre);
      return s;
    }
  }
  int estat;
  rusage us {};
  wait4(fill, &estat, 0, &us);
  s.paret = segons(rellotge::now() - inici);
  s.cpu = static_cast<double>(us.ru_utime.tv_sec + us.ru_stime.tv_sec) +
          static_cast<double>(us.ru_utime.tv_usec + us.ru_stime.tv_usec) / 1e6;
  s.estat = WIFEXITED(estat) ? WEXITSTATUS(estat) : -1;
  close(mestre);
  return s;
}

// Times of the writes to standard output in an strace log of -ttt.
std::vector<double> escriptures(const std::string &log) {
  std::vector<double> t;
  std::ifstream in(log);
  std::string linia;
  while (std::getline(in, linia)) {
    std::istringstream l(linia);
    std::string pid, temps, crida;
    l >> pid >> temps >> crida;
    if (crida.rfind("write(1,", 0) == 0) t.push_back(std::atof(temps.c_str()));
  }
  return t;
}

bool hi_ha_strace() { return std::system("strace -V >/dev/null 2>&1") == 0; }

void cpu(const char *nom, const std::string &tecla) {
  Sessio s = en_terminal({programa(nom)}, 4.0, tecla);
  std::printf("%-14s CPU on a terminal over %.1f s: %.2f%% of a core (status %d)\n", nom, s.paret,
              100.0 * s.cpu / s.paret, s.estat);
}

void periode(const char *nom, const std::string &tecla, const char *que, std::size_t passos) {
  if (!hi_ha_strace()) {
    std::printf("%-14s %s: strace not installed, not measured\n", nom, que);
    return;
  }
  char log[] = "/tmp/pantalla-bench-XXXXXX";
  int fd = mkstemp(log);
  if (fd < 0) return;
  close(fd);
  Sessio s =
      en_terminal({"strace", "-qq", "-ttt", "-f", "-e", "trace=write", "-e", "signal=none", "-o", log, programa(nom)},
                  static_cast<double>(passos) * (std::string(nom) == "paddle-game" ? 0.040 : 0.030) + 0.5, tecla);
  std::vector<double> t = escriptures(log);
  unlink(log);
  std::size_t quadres = 0;
  const std::string marca = std::string(nom) == "paddle-game" ? "Marcador" : "\x1b[";
  for (std::size_t p = 0; (p = s.sortida.find(marca, p)) != std::string::npos; p++) quadres++;
  if (std::string(nom) == "bouncing-ball") quadres /= 2;  // an erase and a draw a step
  if (t.size() < passos + 2) {
    std::printf("%-14s %s: only %zu writes\n", nom, que, t.size());
    return;
  }
  // The middle writes: start-up and the end left out.
  double mitja = (t[t.size() - 2] - t[1]) / static_cast<double>(t.size() - 3);
  double minim = 1e9, maxim = 0;
  for (std::size_t i = 2; i + 1 < t.size(); i++) {
    minim = std::min(minim, t[i] - t[i - 1]);
    maxim = std::max(maxim, t[i] - t[i - 1]);
  }
  std::printf("%-14s %s: %.1f ms on average (%.1f to %.1f) over %zu writes; %.2f writes per %s\n", nom, que,
              1000 * mitja, 1000 * minim, 1000 * maxim, t.size(),
              static_cast<double>(t.size()) / static_cast<double>(quadres),
              std::string(nom) == "paddle-game" ? "frame" : "step");
}

void per_canonada(const char *nom, const std::string &entrada, const char *que) {
  char fitxer[] = "/tmp/pantalla-bench-XXXXXX";
  int fd = mkstemp(fitxer);
  if (fd < 0) return;
  if (write(fd, entrada.data(), entrada.size()) < 0) return;
  close(fd);
  std::string ordre = "cat " + std::string(fitxer) + " | " + programa(nom) + " | wc -c";
  auto inici = rellotge::now();
  FILE *p = popen(ordre.c_str(), "r");
  long mida = 0;
  if (p) {
    if (std::fscanf(p, "%ld", &mida) != 1) mida = -1;
    pclose(p);
  }
  double temps = segons(rellotge::now() - inici);
  unlink(fitxer);
  std::printf("%-14s %s through pipes: %.3f s, %ld bytes of output\n", nom, que, temps, mida);
}

}  // namespace

int main() {
  cpu("bouncing-ball", "q");
  cpu("paddle-game", "\x1b");
  cpu("console-clock", "q");
  periode("paddle-game", "\x1b", "frame period", 100);
  periode("bouncing-ball", "q", "step period", 100);
  std::string teclas;
  for (int i = 0; i < 10000; i++) teclas.push_back("MK H\xe0z"[i % 6]);
  per_canonada("paddle-game", std::string(10000, '\0'), "10,000 NUL keys");
  per_canonada("paddle-game", teclas, "10,000 mixed keys");
  per_canonada("line-draw", "0\n0\n999\n999\n", "(0,0)-(999,999)");
  return 0;
}
