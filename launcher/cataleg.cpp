// The table of programs and its screens, finding a program by name, the
// typed line split into words, and how a program ended, in words.
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "portafoli.h"

namespace portafoli {

namespace {

// In the screens' order: by subsystem, as each subsystem's folder orders it.
constexpr Fitxa taula[] = {
#include "programes.inc"
};

char minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool comenca_per(std::string_view nom, std::string_view prefix) {
  if (prefix.size() > nom.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); i++)
    if (minuscula(nom[i]) != minuscula(prefix[i])) return false;
  return true;
}

// Edits (insertions, deletions, changes) from a to b, ignoring case.
std::size_t distancia(std::string_view a, std::string_view b) {
  std::vector<std::size_t> fila(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); j++) fila[j] = j;
  for (std::size_t i = 1; i <= a.size(); i++) {
    std::size_t diagonal = fila[0];
    fila[0] = i;
    for (std::size_t j = 1; j <= b.size(); j++) {
      std::size_t abans = fila[j];
      std::size_t canvi = diagonal + (minuscula(a[i - 1]) == minuscula(b[j - 1]) ? 0 : 1);
      fila[j] = std::min({fila[j] + 1, fila[j - 1] + 1, canvi});
      diagonal = abans;
    }
  }
  return fila[b.size()];
}

// The home folder of a user named after ~, or empty.
std::string casa_de(const std::string &usuari) {
  if (usuari.empty()) return carpeta_usuari();
  const passwd *p = getpwnam(usuari.c_str());
  return p && p->pw_dir ? p->pw_dir : "";
}

}  // namespace

std::span<const Fitxa> programes() { return taula; }

std::vector<Pantalla> pantalles(std::size_t capacitat) {
  if (capacitat == 0) capacitat = 1;
  std::vector<Pantalla> r;
  std::span<const Fitxa> tots = programes();
  for (std::size_t i = 0; i < tots.size();) {
    std::size_t fi = i;
    while (fi < tots.size() && std::strcmp(tots[fi].subsistema, tots[i].subsistema) == 0) fi++;
    std::size_t parts = (fi - i + capacitat - 1) / capacitat;
    for (std::size_t p = 0; p < parts; p++) {
      std::size_t primer = i + p * capacitat;
      r.push_back({tots[i].titol, primer, std::min(capacitat, fi - primer), p, parts});
    }
    i = fi;
  }
  return r;
}

std::size_t pantalla_de(const std::vector<Pantalla> &totes, std::size_t lloc) {
  for (std::size_t p = 0; p < totes.size(); p++)
    if (lloc >= totes[p].primer && lloc < totes[p].primer + totes[p].quants) return p;
  return 0;
}

const Fitxa *cerca(std::string_view prefix) {
  if (prefix.empty()) return nullptr;
  for (const Fitxa &f : programes())
    if (prefix.size() == std::strlen(f.nom) && comenca_per(f.nom, prefix)) return &f;
  for (const Fitxa &f : programes())
    if (comenca_per(f.nom, prefix)) return &f;
  return nullptr;
}

std::string semblants(std::string_view nom) {
  // Names holding what was typed come first, then by the edits between them.
  std::vector<std::pair<std::size_t, const char *>> ordre;
  for (const Fitxa &f : programes()) {
    std::string_view n = f.nom;
    bool conte = false;
    for (std::size_t i = 0; i + nom.size() <= n.size() && !conte; i++) conte = comenca_per(n.substr(i), nom);
    ordre.push_back({conte ? 0 : distancia(nom, n) + 1, f.nom});
  }
  std::stable_sort(ordre.begin(), ordre.end(), [](auto &a, auto &b) { return a.first < b.first; });
  std::string r;
  for (std::size_t i = 0; i < 3 && i < ordre.size(); i++) r += (i ? ", " : "") + std::string(ordre[i].second);
  return r;
}

std::optional<std::vector<std::string>> paraules(std::string_view linia, std::string &error) {
  std::vector<std::string> r;
  std::string actual;
  bool hi_ha = false;  // a word has started (an empty quoted word counts)
  std::size_t i = 0;
  auto acaba = [&] {
    if (hi_ha) r.push_back(actual);
    actual.clear();
    hi_ha = false;
  };
  while (i < linia.size()) {
    char c = linia[i];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      acaba();
      i++;
    } else if (c == '~' && !hi_ha) {
      std::size_t fi = i + 1;
      while (fi < linia.size() && linia[fi] != '/' && linia[fi] != ' ' && linia[fi] != '\t' &&
             std::strchr("'\"\\", linia[fi]) == nullptr)
        fi++;
      bool sencer = fi == linia.size() || linia[fi] == '/' || linia[fi] == ' ' || linia[fi] == '\t';
      std::string casa = sencer ? casa_de(std::string(linia.substr(i + 1, fi - i - 1))) : "";
      if (casa.empty()) {
        actual.push_back(c);
        i++;
      } else {
        actual += casa;
        i = fi;
      }
      hi_ha = true;
    } else if (c == '\\') {
      if (i + 1 < linia.size()) actual.push_back(linia[i + 1]);
      i += 2;
      hi_ha = true;
    } else if (c == '\'') {
      std::size_t fi = linia.find('\'', i + 1);
      if (fi == std::string_view::npos) {
        error = "falta tancar una cometa simple (')";
        return std::nullopt;
      }
      actual += linia.substr(i + 1, fi - i - 1);
      i = fi + 1;
      hi_ha = true;
    } else if (c == '"') {
      i++;
      for (;;) {
        if (i >= linia.size()) {
          error = "falta tancar una cometa doble (\")";
          return std::nullopt;
        }
        if (linia[i] == '"') break;
        if (linia[i] == '\\' && i + 1 < linia.size() && std::strchr("\"\\$`", linia[i + 1])) i++;
        actual.push_back(linia[i]);
        i++;
      }
      i++;
      hi_ha = true;
    } else {
      actual.push_back(c);
      i++;
      hi_ha = true;
    }
  }
  acaba();
  return r;
}

std::string carpeta_usuari() {
  const char *casa = std::getenv("HOME");
  if (casa && *casa) return casa;
  const passwd *p = getpwuid(getuid());
  return p && p->pw_dir ? p->pw_dir : "";
}

std::string descriu_final(const plataforma::Final &final) {
  if (final.senyal == SIGINT || (final.senyal == 0 && final.estat == 130)) return "interromput (Ctrl-C)";
  if (final.senyal != 0) {
    // clang-format off
    static constexpr struct { int senyal; const char *nom; } noms[] = {
        {SIGSEGV, "violacio de segment (SIGSEGV)"}, {SIGABRT, "avortat (SIGABRT)"},
        {SIGFPE, "error aritmetic (SIGFPE)"},       {SIGILL, "instruccio no valida (SIGILL)"},
        {SIGBUS, "error de bus (SIGBUS)"},          {SIGKILL, "mort (SIGKILL)"},
        {SIGTERM, "acabat per un senyal (SIGTERM)"}, {SIGHUP, "penjat (SIGHUP)"},
        {SIGQUIT, "sortida forcada (SIGQUIT)"},     {SIGPIPE, "canonada trencada (SIGPIPE)"},
    };
    // clang-format on
    for (const auto &n : noms)
      if (n.senyal == final.senyal) return n.nom;
    const char *abreujat = sigabbrev_np(final.senyal);
    return abreujat ? std::string("senyal SIG") + abreujat : "senyal " + std::to_string(final.senyal);
  }
  if (final.estat == 0) return "ha acabat be";
  return "ha acabat amb l'estat " + std::to_string(final.estat);
}

}  // namespace portafoli
