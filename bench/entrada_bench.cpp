// Feeds 10 MB of text to the stand-in copier from a redirected file and from
// a pipe, and reports the time of each; the file must take under 0.5 s.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double executa(const std::string &entrada, bool canonada, const std::string &sortida) {
  auto inici = std::chrono::steady_clock::now();
  int canal[2] = {-1, -1};
  if (canonada && pipe(canal) != 0) std::exit(2);
  pid_t fill = fork();
  if (fill == 0) {
    int fd = canonada ? canal[0] : open(entrada.c_str(), O_RDONLY);
    dup2(fd, STDIN_FILENO);
    if (canonada) close(canal[1]);
    execl(ESCRIPTOR, ESCRIPTOR, sortida.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  if (canonada) {
    close(canal[0]);
    pid_t gat = fork();
    if (gat == 0) {
      dup2(canal[1], STDOUT_FILENO);
      execl("/bin/cat", "cat", entrada.c_str(), static_cast<char *>(nullptr));
      _exit(127);
    }
    close(canal[1]);
    waitpid(gat, nullptr, 0);
  }
  int estat = 0;
  waitpid(fill, &estat, 0);
  if (!WIFEXITED(estat) || WEXITSTATUS(estat) != 0) std::exit(2);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - inici).count();
}

}  // namespace

int main() {
  char carpeta[] = "/tmp/portafoli-bench-XXXXXX";
  if (!mkdtemp(carpeta)) return 2;
  std::string entrada = std::string(carpeta) + "/entrada.txt", sortida = std::string(carpeta) + "/sortida.txt";
  std::FILE *f = std::fopen(entrada.c_str(), "w");
  std::size_t mida = 0;
  for (int i = 0; mida < 10275871; i++) {
    char linia[80];
    int n = std::snprintf(linia, sizeof linia, "Linia %d del text de prova, amb prou lletres per omplir-la.\n", i);
    std::fwrite(linia, 1, static_cast<std::size_t>(n), f);
    mida += static_cast<std::size_t>(n);
  }
  std::fclose(f);
  double fitxer = executa(entrada, false, sortida);
  double canonada = executa(entrada, true, sortida);
  std::printf("%zu bytes: from a redirected file %.3f s, from a pipe %.3f s\n", mida, fitxer, canonada);
  std::string neteja = std::string("rm -rf ") + carpeta;
  if (std::system(neteja.c_str()) != 0) return 2;
  return fitxer < 0.5 ? 0 : 1;
}
