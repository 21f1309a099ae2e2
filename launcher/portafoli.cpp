// Lists the portfolio's programs by subsystem and runs the one the user
// picks, every one in the same working folder, so that what one program
// writes the next one finds.
#include <langinfo.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "pagina_codis.h"
#include "plataforma.h"
#include "portafoli.h"

namespace portafoli {

std::string carpeta_treball;

namespace {

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

// The screen of the line interface, as plain lines.
void mostra(const std::vector<Pantalla> &totes, std::size_t n, const std::string &missatge) {
  const Pantalla &p = totes[n];
  plataforma::system("cls");
  std::printf("Portafoli de programes de consola - %zu de %zu: %.*s", n + 1, totes.size(),
              static_cast<int>(p.titol.size()), p.titol.data());
  if (p.parts > 1) std::printf(" (%zu/%zu)", p.part + 1, p.parts);
  std::printf("\n\n");
  constexpr std::size_t amplada = 80 - 1 - 31;  // after "  nn. " and the name column
  for (std::size_t i = p.primer; i < p.primer + p.quants; i++) {
    const Fitxa &f = programes()[i];
    std::string_view d = f.descripcio;
    bool llarga = d.size() > amplada;
    if (llarga) d = d.substr(0, amplada - 3);
    std::printf("  %2zu. %-24s %.*s%s\n", i + 1, f.nom, static_cast<int>(d.size()), d.data(), llarga ? "..." : "");
  }
  std::printf("\nCarpeta de treball: %s\n", carpeta_treball.c_str());
  if (!missatge.empty()) std::printf("%s\n", missatge.c_str());
  std::printf("Tria un numero (1 a %zu) o un nom, s (seguent), a (anterior) o 0 per sortir: ", programes().size());
}

}  // namespace

// Typed names reach the programs as the user typed them: on a UTF-8
// terminal the code page bytes the layer delivers go back to UTF-8, and a
// name shown goes to the layer as the code page bytes that show it.
bool utf8_a(int fd) { return isatty(fd) && plataforma::terminal_utf8(); }

void afegeix_caracter(std::string &text, int codi) {
  static const bool desfes = utf8_a(STDIN_FILENO);
  if (desfes && codi >= 128 && codi < 256)
    text += plataforma::de_pagina_codis(std::string(1, static_cast<char>(codi)));
  else
    text.push_back(static_cast<char>(codi));
}

std::string per_mostrar(std::string_view text) {
  static const bool converteix = utf8_a(STDOUT_FILENO);
  return converteix ? plataforma::a_pagina_codis(text) : std::string(text);
}

bool llegeix_linia(std::string &linia) {
  linia.clear();
  std::clearerr(stdin);
  int c = std::getchar();
  if (c == EOF) {
    std::clearerr(stdin);
    return false;
  }
  for (; c != EOF && c != '\n'; c = std::getchar()) afegeix_caracter(linia, c);
  std::clearerr(stdin);
  return true;
}

bool executa(const Fitxa &f, const std::vector<std::string> &arguments, plataforma::Final &final) {
  if (!crea_carpetes(carpeta_treball)) {
    std::fprintf(stderr, "portafoli: no es pot crear la carpeta %s: %s\n", carpeta_treball.c_str(),
                 std::strerror(errno));
    return false;
  }
  std::string cami = cami_programa(f.nom);
  std::vector<std::string> textos {f.nom};
  textos.insert(textos.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (auto &t : textos) argv.push_back(t.data());
  argv.push_back(nullptr);
  if (!plataforma::executa(cami.c_str(), argv.data(), carpeta_treball.c_str(), final)) {
    std::fprintf(stderr, "portafoli: no es pot executar %s: %s\n", cami.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}

// Through a pipe or from a script: one screen at a time, a line per choice,
// until 0 or the end of input.
int menu_linies() {
  std::vector<Pantalla> totes = pantalles();
  if (totes.empty()) return 0;
  std::size_t actual = 0;
  std::string missatge;
  for (;;) {
    mostra(totes, actual, missatge);
    missatge.clear();
    std::string linia, error;
    if (!llegeix_linia(linia)) break;
    std::optional<std::vector<std::string>> triat = paraules(linia, error);
    if (!triat) {
      missatge = "No s'enten la linia: " + error + ".";
      continue;
    }
    if (triat->empty()) continue;
    const std::string &t = (*triat)[0];
    if (t == "0") break;
    if (t == "s" || t == "S" || t == "a" || t == "A") {
      actual = (actual + (t == "s" || t == "S" ? 1 : totes.size() - 1)) % totes.size();
      continue;
    }
    const Fitxa *f = nullptr;
    if (t.find_first_not_of("0123456789") == std::string::npos) {
      unsigned long n = t.size() > 3 ? 0 : std::strtoul(t.c_str(), nullptr, 10);
      if (n >= 1 && n <= programes().size()) f = &programes()[n - 1];
      if (!f) missatge = "No hi ha cap programa amb el numero " + t + ".";
    } else {
      f = cerca(t);
      if (!f) missatge = "No hi ha cap programa anomenat " + t + ". Els mes semblants: " + semblants(t) + ".";
    }
    if (!f) continue;
    actual = pantalla_de(totes, numero(*f) - 1);
    std::vector<std::string> arguments(triat->begin() + 1, triat->end());
    if (f->amb_arguments && arguments.empty()) {
      std::printf("\nArguments de %s: ", f->nom);
      if (!llegeix_linia(linia)) continue;
      std::optional<std::vector<std::string>> a = paraules(linia, error);
      if (!a) {
        missatge = "No s'enten la linia: " + error + ".";
        continue;
      }
      arguments = *a;
    }
    plataforma::system("cls");
    plataforma::Final final;
    if (!executa(*f, arguments, final)) continue;
    missatge = std::string("[") + f->nom + ": " + descriu_final(final) + "]";
    if (!final.acaba_en_pausa) {
      std::printf("\n\n%s\n", missatge.c_str());
      plataforma::system("pause");
    }
  }
  std::printf("\n");
  return 0;
}

}  // namespace portafoli

namespace {

using namespace portafoli;

void ajuda() {
  std::printf(
      "Us: portafoli [--carpeta CARPETA] [--list | PROGRAMA [ARGUMENTS...]]\n"
      "Mostra els programes del portafoli per grups i executa el que es tria.\n"
      "\n"
      "  --carpeta CARPETA  la carpeta de treball de tots els programes\n"
      "                     (per defecte ~/.local/share/portafoli; . es la carpeta actual)\n"
      "  --list             un programa per linia: nom, subsistema i descripcio\n"
      "  --help             aquesta ajuda\n"
      "  --version          la versio\n"
      "  PROGRAMA           l'executa directament, amb els arguments que el segueixen\n"
      "\n"
      "Tecles de la llista: amunt i avall trien, Retorn executa, esquerra i dreta (o\n"
      "RePag i AvPag) canvien de pantalla, Inici i Fi van al primer i a l'ultim; un\n"
      "numero o un nom i Retorn trien aquell programa (amb els arguments darrere del\n"
      "nom); les lletres salten al primer nom que hi comenca; ? en dona els detalls;\n"
      "q o Esc surten. Mes informacio: man portafoli\n");
}

void us() {
  std::fprintf(stderr,
               "Us: portafoli [--carpeta CARPETA] [--list | PROGRAMA [ARGUMENTS...]]\n"
               "Mes informacio: portafoli --help\n");
}

// The working folder named, made absolute; empty (after a message) when it
// cannot be.
std::string carpeta_absoluta(std::string nom) {
  if (nom == "~" || nom.rfind("~/", 0) == 0) nom = carpeta_usuari() + nom.substr(1);
  if (nom.empty() || nom[0] != '/') {
    char actual[PATH_MAX];
    if (!getcwd(actual, sizeof actual)) {
      std::fprintf(stderr, "portafoli: no es troba la carpeta actual: %s\n", std::strerror(errno));
      return "";
    }
    nom = nom == "." ? std::string(actual) : std::string(actual) + "/" + nom;
  }
  while (nom.size() > 1 && nom.back() == '/') nom.pop_back();
  return nom;
}

}  // namespace

int principal(int argc, char **argv) {
  int i = 1;
  std::optional<std::string> carpeta;
  for (; i < argc && argv[i][0] == '-'; i++) {
    std::string_view opcio = argv[i];
    if (opcio == "--help") {
      ajuda();
      return 0;
    }
    if (opcio == "--version") {
      std::printf("portafoli %s\n", VERSIO);
      return 0;
    }
    if (opcio == "--list") {
      for (const Fitxa &f : programes()) std::printf("%s\t%s\t%s\n", f.nom, f.subsistema, f.descripcio);
      return 0;
    }
    if (opcio == "--carpeta" || opcio.rfind("--carpeta=", 0) == 0) {
      if (opcio == "--carpeta" && i + 1 >= argc) {
        std::fprintf(stderr, "portafoli: a --carpeta li falta el nom de la carpeta\n");
        us();
        return 2;
      }
      carpeta = opcio == "--carpeta" ? argv[++i] : argv[i] + std::strlen("--carpeta=");
      if (carpeta->empty()) {
        std::fprintf(stderr, "portafoli: el nom de la carpeta de treball es buit\n");
        return 2;
      }
      continue;
    }
    if (opcio == "--") {
      i++;
      break;
    }
    std::fprintf(stderr, "portafoli: opcio desconeguda: %s\n", argv[i]);
    us();
    return 2;
  }
  if (!carpeta) {
    std::string casa = carpeta_usuari();
    if (casa.empty()) {
      std::fprintf(stderr,
                   "portafoli: no es troba la carpeta de l'usuari (HOME no esta definida); "
                   "indiqueu-ne una amb --carpeta\n");
      return 2;
    }
    carpeta = casa + "/.local/share/portafoli";
  }
  carpeta_treball = carpeta_absoluta(*carpeta);
  if (carpeta_treball.empty()) return 2;
  if (i < argc) {
    const Fitxa *f = nullptr;
    for (const Fitxa &g : programes())
      if (std::strcmp(g.nom, argv[i]) == 0) f = &g;
    if (!f) {
      std::fprintf(stderr, "portafoli: no hi ha cap programa anomenat %s\n", argv[i]);
      return 2;
    }
    plataforma::Final final;
    if (!executa(*f, std::vector<std::string>(argv + i + 1, argv + argc), final)) return 127;
    return final.com_a_estat();
  }
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) return menu_terminal();
  return menu_linies();
}

// The output goes out before the static objects go (the console's screen
// model, which linking the text console library brings, watches it).
int main(int argc, char **argv) {
  int estat = principal(argc, argv);
  std::fflush(stdout);
  return estat;
}
