// Runs built programs through pipes, with a time limit, and compares what
// they leave with a table of expected cases.
#include "programa.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

extern char **environ;

namespace prova {

namespace fs = std::filesystem;

CarpetaTemporal::CarpetaTemporal() {
  std::string plantilla = (fs::temp_directory_path() / "portafoli-XXXXXX").string();
  if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp failed");
  cami_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
  std::error_code error;
  fs::remove_all(cami_, error);
}

void CarpetaTemporal::escriu(const std::string &nom, const std::string &contingut) const {
  std::ofstream f(cami(nom), std::ios::binary);
  f << contingut;
}

std::string CarpetaTemporal::llegeix(const std::string &nom) const {
  std::ifstream f(cami(nom), std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool CarpetaTemporal::existeix(const std::string &nom) const { return fs::exists(cami(nom)); }

Fitxers CarpetaTemporal::fitxers() const {
  Fitxers r;
  for (const auto &entrada : fs::directory_iterator(cami_))
    if (entrada.is_regular_file()) r[entrada.path().filename().string()] = llegeix(entrada.path().filename().string());
  return r;
}

// The folder of the programs under test is chosen when the test runs, so
// that one test binary checks both the plain and the sanitizer builds: the
// variable DIR_PROGRAMES names it (ctest sets it for every test), and
// without it the bin/ folder beside the test's own test-bin/ is taken.
namespace {

std::string carpeta_programes() {
  if (const char *dir = std::getenv("DIR_PROGRAMES"); dir && *dir) return dir;
  std::error_code error;
  fs::path propi = fs::read_symlink("/proc/self/exe", error);
  if (error) throw std::runtime_error("cannot find the programs: set DIR_PROGRAMES");
  return (propi.parent_path().parent_path() / "bin").string();
}

// Every program a test runs is noted in the file that
// PROVA_REGISTRE_PROGRAMES names, for the saved results
// (resultat-desat.cpp): "*" stands for the whole folder, which the launcher
// and a test that lists the folder run from.
void registra(const std::string &cami) {
  const char *registre = std::getenv("PROVA_REGISTRE_PROGRAMES");
  if (!registre || !*registre) return;
  std::ofstream f(registre, std::ios::app);
  f << cami << '\n';
  if (!f) throw std::runtime_error(std::string("cannot note the programs run in ") + registre);
}

}  // namespace

std::string dir_programes() {
  registra("*");
  return carpeta_programes();
}

std::string cami_programa(const std::string &nom) {
  if (nom.find('/') != std::string::npos) {
    registra(nom);
    return nom;
  }
  if (nom == "portafoli") registra("*");
  std::string cami = carpeta_programes() + "/" + nom;
  registra(cami);
  return cami;
}

bool sanititzat(const std::string &nom) {
  static std::map<std::string, bool> vistos;
  std::string cami = cami_programa(nom);
  if (auto vist = vistos.find(cami); vist != vistos.end()) return vist->second;
  // Read in one block: a character iterator over a 5 MB program, in test
  // code built without optimisation, cost more than the test that asked.
  std::ifstream f(cami, std::ios::binary | std::ios::ate);
  std::string contingut(static_cast<std::size_t>(std::max<std::streamoff>(0, f.tellg())), '\0');
  f.seekg(0);
  f.read(contingut.data(), static_cast<std::streamsize>(contingut.size()));
  return vistos[cami] = contingut.find("__asan_init") != std::string::npos;
}

namespace {

void no_bloquejant(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

std::vector<char *> entorn_del_fill(const std::vector<std::pair<std::string, std::string>> &canvis,
                                    std::vector<std::string> &textos) {
  for (char **e = environ; *e; e++) {
    std::string_view variable = *e;
    bool substituida = false;
    for (const auto &[nom, valor] : canvis)
      if (variable.substr(0, nom.size() + 1) == nom + "=") substituida = true;
    if (!substituida) textos.emplace_back(variable);
  }
  for (const auto &[nom, valor] : canvis) textos.push_back(nom + "=" + valor);
  std::vector<char *> r;
  for (auto &t : textos) r.push_back(t.data());
  r.push_back(nullptr);
  return r;
}

}  // namespace

Resultat executa(const Execucio &e) {
  Resultat r;
  std::string programa = cami_programa(e.programa);
  std::vector<std::string> arguments {programa};
  arguments.insert(arguments.end(), e.arguments.begin(), e.arguments.end());
  std::vector<char *> argv;
  for (auto &a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> textos;
  std::vector<char *> envp = entorn_del_fill(e.entorn, textos);

  int entrada[2], sortida[2], errors[2];
  if (pipe2(entrada, O_CLOEXEC) || pipe2(sortida, O_CLOEXEC) || pipe2(errors, O_CLOEXEC)) {
    ADD_FAILURE() << "pipe failed";
    return r;
  }
  // Input that fits in the pipe is there, and ended, before the program
  // starts, as typed-ahead keys would be.
  std::size_t escrit = 0;
  if (e.entrada.size() <= 60000) {
    while (escrit < e.entrada.size()) {
      ssize_t n = write(entrada[1], e.entrada.data() + escrit, e.entrada.size() - escrit);
      if (n <= 0) break;
      escrit += static_cast<std::size_t>(n);
    }
  }
  int fd_entrada = entrada[1];
  if (escrit == e.entrada.size() && !e.entrada_oberta) {
    close(fd_entrada);
    fd_entrada = -1;
  }
  // posix_spawn shares the test's memory with the child until the exec
  // instead of copying its page tables: thousands of runs, each a little
  // cheaper. A program that cannot start ends as a shell would report it:
  // 127 when it cannot be run, 126 when its folder cannot be entered.
  // A step that cannot be set up fails the test: without its folder the
  // program would write into the test's own.
  posix_spawn_file_actions_t accions;
  bool preparat = posix_spawn_file_actions_init(&accions) == 0;
  int error = -1;
  pid_t fill = -1;
  if (preparat) {
    preparat = posix_spawn_file_actions_adddup2(&accions, entrada[0], STDIN_FILENO) == 0 &&
               posix_spawn_file_actions_adddup2(&accions, sortida[1], STDOUT_FILENO) == 0 &&
               posix_spawn_file_actions_adddup2(&accions, errors[1], STDERR_FILENO) == 0 &&
               posix_spawn_file_actions_addchdir_np(&accions, e.carpeta.c_str()) == 0;
    if (preparat) error = posix_spawn(&fill, programa.c_str(), &accions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&accions);
  }
  close(entrada[0]);
  close(sortida[1]);
  close(errors[1]);
  if (error != 0) {
    if (fd_entrada >= 0) close(fd_entrada);
    close(sortida[0]);
    close(errors[0]);
    if (!preparat) ADD_FAILURE() << "could not set up the start of " << programa;
    r.estat = access(programa.c_str(), X_OK) == 0 ? 126 : 127;
    return r;
  }
  if (fd_entrada >= 0) no_bloquejant(fd_entrada);
  no_bloquejant(sortida[0]);
  no_bloquejant(errors[0]);

  struct sigaction ignora {
  }, previa {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignora, &previa);

  bool sortida_oberta = true, errors_oberts = true;
  auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(e.temps_maxim_ms);
  while (sortida_oberta || errors_oberts) {
    auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(limit - std::chrono::steady_clock::now());
    if (resta.count() <= 0) {
      r.temps_esgotat = true;
      kill(fill, SIGKILL);
      break;
    }
    pollfd p[3] = {
        {sortida_oberta ? sortida[0] : -1, POLLIN, 0},
        {errors_oberts ? errors[0] : -1, POLLIN, 0},
        {escrit < e.entrada.size() ? fd_entrada : -1, POLLOUT, 0}};  // open input with nothing left: not polled
    if (poll(p, 3, static_cast<int>(resta.count())) < 0 && errno != EINTR) break;
    char bloc[8192];
    for (int i = 0; i < 2; i++) {
      if (!p[i].revents) continue;
      ssize_t n = read(p[i].fd, bloc, sizeof bloc);
      if (n > 0) {
        (i == 0 ? r.sortida : r.errors).append(bloc, static_cast<std::size_t>(n));
        if (e.sortida_maxima && r.sortida.size() + r.errors.size() > e.sortida_maxima && !r.sortida_excedida) {
          r.sortida_excedida = true;
          kill(fill, SIGKILL);
        }
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        (i == 0 ? sortida_oberta : errors_oberts) = false;
      }
    }
    if (fd_entrada >= 0 && p[2].revents && escrit < e.entrada.size()) {
      ssize_t n = write(fd_entrada, e.entrada.data() + escrit, e.entrada.size() - escrit);
      if (n > 0) escrit += static_cast<std::size_t>(n);
      if ((n < 0 && errno != EAGAIN && errno != EINTR) || (escrit == e.entrada.size() && !e.entrada_oberta)) {
        close(fd_entrada);
        fd_entrada = -1;
      }
    }
  }
  if (fd_entrada >= 0) close(fd_entrada);
  close(sortida[0]);
  close(errors[0]);
  sigaction(SIGPIPE, &previa, nullptr);

  int estat = 0;
  while (waitpid(fill, &estat, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(estat))
    r.estat = WEXITSTATUS(estat);
  else if (WIFSIGNALED(estat))
    r.estat = 128 + (r.senyal = WTERMSIG(estat));
  return r;
}

std::string visible(const std::string &bytes) {
  std::string r;
  char tros[8];
  for (unsigned char c : bytes) {
    if (c == '\n') {
      r += "\\n\n";
    } else if (c == '\\') {
      r += "\\\\";
    } else if (c < 0x20 || c >= 0x7F) {
      std::snprintf(tros, sizeof tros, "\\x%02X", c);
      r += tros;
    } else {
      r.push_back(static_cast<char>(c));
    }
  }
  return r;
}

void comprova(const std::string &programa, const std::vector<Cas> &casos) {
  std::size_t n = casos.size();
  std::size_t triats = n > casos_sanititzats && sanititzat(programa) ? casos_sanititzats : n;
  for (std::size_t i = 0; i < triats; i++) {
    const Cas &cas = casos[triats == n ? i : i * (n - 1) / (triats - 1)];
    SCOPED_TRACE(programa + ": " + cas.nom);
    CarpetaTemporal carpeta;
    for (const auto &[nom, contingut] : cas.abans) carpeta.escriu(nom, contingut);
    Resultat r = executa({.programa = programa,
                          .entrada = cas.entrada,
                          .arguments = cas.arguments,
                          .carpeta = carpeta.cami(),
                          .entorn = cas.entorn,
                          .entrada_oberta = cas.entrada_oberta});
    EXPECT_FALSE(r.temps_esgotat) << "did not end in time";
    EXPECT_EQ(visible(r.sortida), visible(cas.sortida));
    EXPECT_EQ(r.estat, cas.estat);
    EXPECT_EQ(visible(r.errors), visible(cas.errors));
    if (cas.despres) {
      Fitxers reals = carpeta.fitxers();
      for (auto &[nom, contingut] : reals) contingut = visible(contingut);
      Fitxers esperats = *cas.despres;
      for (auto &[nom, contingut] : esperats) contingut = visible(contingut);
      EXPECT_EQ(reals, esperats);
    }
  }
}

}  // namespace prova
