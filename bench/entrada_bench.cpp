// Console input, timed against a peer in the same run so that the machine's
// load weighs on both sides of each ratio. In alternating rounds:
// - 10 MB of text through a pipe into text-count against the same text from
//   a redirected file: the pipe within 2 times the file;
// - the stand-in copier reading a redirected file through the layer against
//   the same copier on the C library's own streams: within 15 times (each
//   text-mode line is written when it ends, one write each, which weighs
//   more as the load grows: 7 to 13 times was seen).
// The median ratio is checked; the minimum and maximum are reported.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Runs programa with the file entrada on its standard input, redirected or
// through a pipe fed by cat; its output goes to /dev/null. Seconds taken.
double executa(const char *programa, const std::string &entrada, bool canonada, const std::string &argument) {
  auto inici = std::chrono::steady_clock::now();
  int canal[2] = {-1, -1};
  if (canonada && pipe(canal) != 0) std::exit(2);
  pid_t fill = fork();
  if (fill == 0) {
    int fd = canonada ? canal[0] : open(entrada.c_str(), O_RDONLY);
    dup2(fd, STDIN_FILENO);
    if (canonada) close(canal[1]);
    int nul = open("/dev/null", O_WRONLY);
    dup2(nul, STDOUT_FILENO);
    execl(programa, programa, argument.c_str(), static_cast<char *>(nullptr));
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
  if (!WIFEXITED(estat) || WEXITSTATUS(estat) != 0) {
    std::fprintf(stderr, "%s failed\n", programa);
    std::exit(2);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - inici).count();
}

// Times a against b in alternating rounds; says whether the median of a / b
// is within the limit.
template <typename A, typename B>
bool compara(const char *que, double limit, A a, B b) {
  constexpr int rondes = 5;
  std::vector<double> ratios;
  double suma_a = 0, suma_b = 0;
  for (int i = 0; i < rondes; i++) {
    double ta = a(), tb = b();
    suma_a += ta;
    suma_b += tb;
    ratios.push_back(ta / tb);
  }
  std::sort(ratios.begin(), ratios.end());
  double mediana = ratios[rondes / 2];
  bool be = mediana <= limit;
  std::printf("%s: %.2f times (median; %.2f to %.2f), means %.3f s and %.3f s, target %.1f: %s\n", que, mediana,
              ratios.front(), ratios.back(), suma_a / rondes, suma_b / rondes, limit, be ? "met" : "MISSED");
  return be;
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
  std::printf("%zu bytes of text\n", mida);
  executa(TEXT_COUNT, entrada, false, "");  // the file in the cache

  bool be = compara(
      "text-count, a pipe against a redirected file", 2.0, [&] { return executa(TEXT_COUNT, entrada, true, ""); },
      [&] { return executa(TEXT_COUNT, entrada, false, ""); });
  be &= compara(
      "copier from a redirected file, the layer against the C library", 15.0,
      [&] { return executa(ESCRIPTOR, entrada, false, sortida); },
      [&] { return executa(ESCRIPTOR_PLA, entrada, false, sortida); });

  std::string neteja = std::string("rm -rf ") + carpeta;
  if (std::system(neteja.c_str()) != 0) return 2;
  return be ? 0 : 1;
}
