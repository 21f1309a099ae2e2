// Lists the portfolio's programs by subsystem and runs the one the user picks.
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "executa.h"
#include "lectura.h"
#include "plataforma.h"

namespace {

struct Fitxa {
  const char *nom;
  const char *subsistema;
  const char *titol;   // the subsystem's title
  bool amb_arguments;  // takes its data from the command line
  const char *descripcio;
};

// In the screens' order: by subsystem, as each subsystem's folder orders it.
constexpr Fitxa programes[] = {
#include "programes.inc"
};

struct Grup {
  std::string_view subsistema;
  std::string_view titol;
};

// The subsystems in the table's order.
std::vector<Grup> grups() {
  std::vector<Grup> r;
  for (const Fitxa &f : programes)
    if (r.empty() || r.back().subsistema != f.subsistema) r.push_back({f.subsistema, f.titol});
  return r;
}

// The folder holding this launcher, from the running executable.
std::string carpeta_propia() {
  char cami[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", cami, sizeof cami - 1);
  if (n <= 0) return ".";
  std::string r(cami, static_cast<std::size_t>(n));
  std::size_t barra = r.rfind('/');
  return barra == std::string::npos ? "." : r.substr(0, barra);
}

bool executable(const std::string &cami) {
  struct stat info {};
  return stat(cami.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(cami.c_str(), X_OK) == 0;
}

// An installed launcher finds the programs in libexec/portafoli beside its
// bin/; in the build tree they are next to it.
std::string cami_programa(const char *nom) {
  std::string propia = carpeta_propia();
  std::string instal_lat = propia + "/../libexec/portafoli/" + nom;
  if (executable(instal_lat)) return instal_lat;
  return propia + "/" + nom;
}

// Creates the folder and the missing folders above it.
bool crea_carpetes(const std::string &cami) {
  for (std::size_t i = 1; i <= cami.size(); i++) {
    if (i < cami.size() && cami[i] != '/') continue;
    std::string tros = cami.substr(0, i);
    if (mkdir(tros.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return stat(cami.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string base_carpetes;  // the scratch folders' parent

std::string carpeta_de(const char *nom) { return base_carpetes + "/" + nom; }

const Fitxa *cerca(std::string_view nom) {
  for (const Fitxa &f : programes)
    if (nom == f.nom) return &f;
  return nullptr;
}

// Splits a typed line into words at blanks; double quotes keep blanks in.
std::vector<std::string> paraules(const std::string &linia) {
  std::vector<std::string> r;
  std::string actual;
  bool dins = false, hi_ha = false;
  for (char c : linia) {
    if (c == '"') {
      dins = !dins;
      hi_ha = true;
    } else if ((c == ' ' || c == '\t') && !dins) {
      if (hi_ha) r.push_back(actual);
      actual.clear();
      hi_ha = false;
    } else {
      actual.push_back(c);
      hi_ha = true;
    }
  }
  if (hi_ha) r.push_back(actual);
  return r;
}

// Runs the program in its scratch folder; its exit status, or -1.
int llanca(const Fitxa &f, const std::vector<std::string> &arguments) {
  std::string carpeta = carpeta_de(f.nom);
  if (!crea_carpetes(carpeta)) {
    std::fprintf(stderr, "portafoli: no es pot crear la carpeta %s: %s\n", carpeta.c_str(), std::strerror(errno));
    return -1;
  }
  std::string cami = cami_programa(f.nom);
  std::vector<std::string> textos {f.nom};
  textos.insert(textos.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (auto &t : textos) argv.push_back(t.data());
  argv.push_back(nullptr);
  plataforma::Final final;
  if (!plataforma::executa(cami.c_str(), argv.data(), carpeta.c_str(), final)) {
    std::fprintf(stderr, "portafoli: no es pot executar %s: %s\n", cami.c_str(), std::strerror(errno));
    return -1;
  }
  return final.com_a_estat();
}

std::vector<const Fitxa *> del_grup(const Grup &g) {
  std::vector<const Fitxa *> r;
  for (const Fitxa &f : programes)
    if (g.subsistema == f.subsistema) r.push_back(&f);
  return r;
}

// One screen of the list: a subsystem, or a part of one that does not fit
// the 25 rows of the console.
struct Pantalla {
  const Grup *grup;
  std::vector<const Fitxa *> llista;
  std::size_t part, parts;
};

constexpr std::size_t per_pantalla = 18;
constexpr std::size_t amplada_descripcio = 80 - 1 - 31;  // after "  nn. " and the name column

std::vector<Pantalla> pantalles() {
  std::vector<Pantalla> r;
  static const std::vector<Grup> tots_grups = grups();
  for (const Grup &g : tots_grups) {
    std::vector<const Fitxa *> tots = del_grup(g);
    std::size_t parts = (tots.size() + per_pantalla - 1) / per_pantalla;
    for (std::size_t p = 0; p < parts; p++) {
      auto inici = tots.begin() + static_cast<std::ptrdiff_t>(p * per_pantalla);
      auto fi = p + 1 == parts ? tots.end() : inici + static_cast<std::ptrdiff_t>(per_pantalla);
      r.push_back({&g, {inici, fi}, p, parts});
    }
  }
  return r;
}

void mostra(std::size_t n, std::size_t total, const Pantalla &p) {
  plataforma::system("cls");
  std::printf("Portafoli de programes de consola - %zu de %zu: %.*s", n + 1, total,
              static_cast<int>(p.grup->titol.size()), p.grup->titol.data());
  if (p.parts > 1) std::printf(" (%zu/%zu)", p.part + 1, p.parts);
  std::printf("\n\n");
  for (std::size_t i = 0; i < p.llista.size(); i++) {
    std::string_view d = p.llista[i]->descripcio;
    bool llarga = d.size() > amplada_descripcio;
    if (llarga) d = d.substr(0, amplada_descripcio - 3);
    std::printf("  %2zu. %-24s %.*s%s\n", i + 1, p.llista[i]->nom, static_cast<int>(d.size()), d.data(),
                llarga ? "..." : "");
  }
  std::printf("\nCarpeta de treball: %s/<programa>\n", base_carpetes.c_str());
  std::printf("Tria un numero o un nom, s (seguent), a (anterior) o 0 per sortir: ");
}

// The interactive list, one screen at a time, until 0 or the end of input.
int menu() {
  std::vector<Pantalla> totes = pantalles();
  if (totes.empty()) return 0;
  std::size_t actual = 0;
  for (;;) {
    const Pantalla &p = totes[actual];
    mostra(actual, totes.size(), p);
    std::string linia;
    if (!lectura::llegeix_linia(linia)) break;
    std::vector<std::string> triat = paraules(linia);
    if (triat.empty()) continue;
    const std::string &t = triat[0];
    if (t == "0") break;
    if (t == "s" || t == "S") {
      actual = (actual + 1) % totes.size();
      continue;
    }
    if (t == "a" || t == "A") {
      actual = (actual + totes.size() - 1) % totes.size();
      continue;
    }
    // A number of this screen, or any program's name.
    char *fi = nullptr;
    long n = std::strtol(t.c_str(), &fi, 10);
    const Fitxa *triada = cerca(t);
    if (!triada && (*fi != '\0' || n < 1 || n > static_cast<long>(p.llista.size()))) continue;
    const Fitxa &f = triada ? *triada : *p.llista[static_cast<std::size_t>(n - 1)];
    std::vector<std::string> arguments;
    if (f.amb_arguments) {
      std::printf("\nArguments de %s: ", f.nom);
      if (!lectura::llegeix_linia(linia)) break;
      arguments = paraules(linia);
    }
    plataforma::system("cls");
    int estat = llanca(f, arguments);
    if (estat >= 0) std::printf("\n\n[%s ha acabat amb l'estat %d]\n", f.nom, estat);
    plataforma::system("pause");
  }
  std::printf("\n");
  return 0;
}

void us() {
  std::fprintf(stderr,
               "Us: portafoli [--carpeta CARPETA] [--list | PROGRAMA [ARGUMENTS...]]\n"
               "  sense arguments: la llista de programes per grups\n"
               "  --list: un programa per linia (nom, subsistema, descripcio)\n"
               "  --carpeta: on es creen les carpetes de treball (per defecte ~/.local/share/portafoli)\n");
}

}  // namespace

int main(int argc, char **argv) {
  const char *casa = std::getenv("HOME");
  base_carpetes = std::string(casa && *casa ? casa : ".") + "/.local/share/portafoli";
  int i = 1;
  if (i < argc && std::strcmp(argv[i], "--carpeta") == 0) {
    if (i + 1 >= argc) {
      us();
      return 2;
    }
    base_carpetes = argv[i + 1];
    while (base_carpetes.size() > 1 && base_carpetes.back() == '/') base_carpetes.pop_back();
    i += 2;
  }
  if (i < argc && std::strcmp(argv[i], "--list") == 0) {
    for (const Fitxa &f : programes) std::printf("%s\t%s\t%s\n", f.nom, f.subsistema, f.descripcio);
    return 0;
  }
  if (i < argc) {
    if (argv[i][0] == '-') {
      us();
      return 2;
    }
    const Fitxa *f = cerca(argv[i]);
    if (!f) {
      std::fprintf(stderr, "portafoli: no hi ha cap programa anomenat %s\n", argv[i]);
      return 2;
    }
    int estat = llanca(*f, std::vector<std::string>(argv + i + 1, argv + argc));
    return estat < 0 ? 127 : estat;
  }
  return menu();
}
