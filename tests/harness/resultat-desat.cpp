// Runs one test of a test binary, unless it passed before and nothing it ran
// has changed since. ctest's command line for a test, with this program in
// front. Its own options, taken out before the test binary sees the rest:
//   --dir-programes=DIR   the programs under test (DIR_PROGRAMES)
//   --asan-options=OPTS   the sanitizer's options for them (ASAN_OPTIONS)
// What a test ran is its test binary, every helper beside it, and the
// programs it asked the harness for (all of the folder when it ran the
// launcher), each compared by size and modification time. A failed test
// keeps no result and always runs again. PROVES_TOTES=1 runs every test.
// One process and a few stat calls per test: a check in a shell script
// cost ten processes, as much as many tests themselves.
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string llegeix(const fs::path &cami) {
  std::ifstream f(cami, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool escriu(const fs::path &cami, const std::string &text) {
  std::ofstream f(cami, std::ios::binary | std::ios::trunc);
  f << text;
  f.close();
  return !f.fail();
}

// "path size mtime" for each file named, one per line; a missing file
// says so, and counts as a change when it appears.
std::string signatura(const std::string &fitxers) {
  std::string resultat;
  std::istringstream linies(fitxers);
  for (std::string cami; std::getline(linies, cami);) {
    struct stat info {};
    resultat += cami;
    if (stat(cami.c_str(), &info) != 0) {
      resultat += " absent\n";
      continue;
    }
    resultat += ' ' + std::to_string(info.st_size) + ' ' + std::to_string(info.st_mtim.tv_sec) + '.' +
                std::to_string(info.st_mtim.tv_nsec) + '\n';
  }
  return resultat;
}

// FNV-1a, enough to name one test's files.
std::string clau(const std::vector<std::string> &parts) {
  std::uint64_t h = 14695981039346656037ULL;
  for (const std::string &part : parts) {
    for (unsigned char c : part + '\n') {
      h ^= c;
      h *= 1099511628211ULL;
    }
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

void afegeix_carpeta(const fs::path &carpeta, std::set<std::string> &fitxers) {
  std::error_code error;
  for (const auto &entrada : fs::directory_iterator(carpeta, error))
    if (entrada.is_regular_file(error)) fitxers.insert(entrada.path().string());
}

[[noreturn]] void executa(const std::vector<std::string> &arguments) {
  std::vector<char *> argv;
  for (const std::string &a : arguments) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  std::perror(argv[0]);
  _exit(127);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s TEST-BINARY [--dir-programes=DIR] [--asan-options=OPTS] ARGS...\n", argv[0]);
    return 2;
  }
  std::vector<std::string> ordre {argv[1]};
  bool llista = false;
  for (int i = 2; i < argc; i++) {
    std::string a = argv[i];
    if (a.rfind("--dir-programes=", 0) == 0) {
      setenv("DIR_PROGRAMES", a.c_str() + std::strlen("--dir-programes="), 1);
    } else if (a.rfind("--asan-options=", 0) == 0) {
      setenv("ASAN_OPTIONS", a.c_str() + std::strlen("--asan-options="), 1);
    } else {
      llista = llista || a == "--gtest_list_tests";
      ordre.push_back(a);
    }
  }
  const char *totes = std::getenv("PROVES_TOTES");
  if (llista || (totes && *totes)) executa(ordre);

  fs::path binari = ordre[0];
  fs::path desats = binari.parent_path() / ".." / "resultats-desats";
  const char *dir = std::getenv("DIR_PROGRAMES");
  const char *asan = std::getenv("ASAN_OPTIONS");
  std::vector<std::string> parts = ordre;
  parts.push_back(dir ? dir : "");
  parts.push_back(asan ? asan : "");
  fs::path base = desats / clau(parts);
  fs::path fitxers = base.string() + ".fitxers", signat = base.string() + ".signatura";
  fs::path registre = base.string() + ".registre";

  std::error_code error;
  if (fs::exists(fitxers, error) && fs::exists(signat, error) && signatura(llegeix(fitxers)) == llegeix(signat)) {
    std::printf("Passed before, and nothing it runs has changed since: not run again.\n");
    return 0;
  }
  fs::remove(fitxers, error);
  fs::remove(signat, error);
  fs::create_directories(desats, error);
  if (!escriu(registre, "")) {
    std::fprintf(stderr, "cannot write %s\n", registre.c_str());
    return 2;
  }

  std::fflush(stdout);
  pid_t fill = fork();
  if (fill < 0) {
    std::perror("fork");
    return 2;
  }
  if (fill == 0) {
    // Ended with this program: a timeout or a signal that ends it does not
    // leave the test running on its own.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() == 1) _exit(128 + SIGTERM);
    setenv("PROVA_REGISTRE_PROGRAMES", registre.c_str(), 1);
    executa(ordre);
  }
  int estat = 0;
  while (waitpid(fill, &estat, 0) < 0) {
  }
  if (WIFEXITED(estat) && WEXITSTATUS(estat) == 0) {
    std::set<std::string> usats;
    afegeix_carpeta(binari.parent_path(), usats);
    std::istringstream linies(llegeix(registre));
    for (std::string cami; std::getline(linies, cami);) {
      if (cami == "*" && dir)
        afegeix_carpeta(dir, usats);
      else if (cami != "*")
        usats.insert(cami);
    }
    std::string llista_usats;
    for (const std::string &cami : usats) llista_usats += cami + '\n';
    // The signature last: a half-written record is never taken for a pass.
    if (!escriu(fitxers, llista_usats) || !escriu(signat, signatura(llista_usats))) fs::remove(fitxers, error);
  }
  fs::remove(registre, error);
  if (WIFSIGNALED(estat)) {
    std::signal(WTERMSIG(estat), SIG_DFL);
    std::raise(WTERMSIG(estat));
    return 128 + WTERMSIG(estat);
  }
  return WEXITSTATUS(estat);
}
