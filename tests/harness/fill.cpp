// Fork-and-pipe runner for the tests of the platform layer.
#include "fill.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace prova {

std::string nom_origen(const ::testing::TestParamInfo<Origen> &dada) {
  return dada.param == Origen::fitxer ? "fitxer" : dada.param == Origen::oberta ? "oberta" : "canonada";
}

Fill en_fill(const std::string &entrada, const std::function<void()> &cos, Origen origen) {
  int in[2] = {-1, -1}, out[2];
  if (pipe(out)) std::abort();
  if (origen == Origen::fitxer) {
    std::string nom = (std::filesystem::temp_directory_path() / "portafoli-entrada-XXXXXX").string();
    in[0] = mkstemp(nom.data());
    if (in[0] < 0) std::abort();
    unlink(nom.c_str());
    if (write(in[0], entrada.data(), entrada.size()) != static_cast<ssize_t>(entrada.size())) std::abort();
    lseek(in[0], 0, SEEK_SET);
  } else {
    if (pipe(in)) std::abort();
    if (!entrada.empty() && write(in[1], entrada.data(), entrada.size()) != static_cast<ssize_t>(entrada.size()))
      std::abort();
  }
  std::fflush(stdout);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[0]);
    if (in[1] >= 0) close(in[1]);
    close(out[0]);
    close(out[1]);
    cos();
    std::fflush(stdout);
    _exit(0);
  }
  close(in[0]);
  close(out[1]);
  bool obert = origen == Origen::oberta;
  if (in[1] >= 0 && !obert) close(in[1]);
  Fill f;
  auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  bool acabat = false;
  while (!acabat && std::chrono::steady_clock::now() < limit) {
    pollfd p {out[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char bloc[4096];
    ssize_t n = read(out[0], bloc, sizeof bloc);
    if (n <= 0) {
      acabat = true;
      break;
    }
    f.sortida.append(bloc, static_cast<std::size_t>(n));
    if (obert) close(in[1]), obert = false;
  }
  if (obert) close(in[1]);
  close(out[0]);
  if (!acabat) kill(pid, SIGKILL);  // out of time
  waitpid(pid, &f.estat, 0);
  return f;
}

}  // namespace prova
