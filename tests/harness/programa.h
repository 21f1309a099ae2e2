// Runs a built program through pipes and checks what it leaves: standard
// output and error byte for byte, exit status and the files of its folder.
#ifndef ARNES_PROGRAMA_H
#define ARNES_PROGRAMA_H

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace prova {

// File name -> exact contents.
using Fitxers = std::map<std::string, std::string>;

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class CarpetaTemporal {
 public:
  CarpetaTemporal();
  ~CarpetaTemporal();
  CarpetaTemporal(const CarpetaTemporal &) = delete;
  CarpetaTemporal &operator=(const CarpetaTemporal &) = delete;

  const std::string &cami() const { return cami_; }
  std::string cami(const std::string &nom) const { return cami_ + "/" + nom; }
  void escriu(const std::string &nom, const std::string &contingut) const;
  std::string llegeix(const std::string &nom) const;
  bool existeix(const std::string &nom) const;
  // Every regular file directly in the folder, with its contents.
  Fitxers fitxers() const;

 private:
  std::string cami_;
};

struct Resultat {
  std::string sortida;
  std::string errors;
  int estat = -1;  // exit status, or 128 + signal number
  int senyal = 0;  // the signal that ended the program, or 0
  bool temps_esgotat = false;
  bool sortida_excedida = false;  // killed for printing more than sortida_maxima
};

struct Execucio {
  std::string programa;                                          // deliverable name, from dir_programes()
  std::string entrada;                                           // bytes on standard input, then end of input
  std::vector<std::string> arguments = {};                       // after the program name
  std::string carpeta = {};                                      // working folder (required)
  std::vector<std::pair<std::string, std::string>> entorn = {};  // variables set or replaced
  int temps_maxim_ms = 30000;                                    // the program is killed after this
  bool entrada_oberta = false;                                   // input stays open (and empty) after its bytes
  std::size_t sortida_maxima = 0;  // when not 0, the program is killed past this much output
};

// The folder of the built programs under test: $DIR_PROGRAMES, or else the
// bin/ folder of the build the test binary belongs to.
std::string dir_programes();

// Full path of a built deliverable (a name with a slash is a path already).
std::string cami_programa(const std::string &nom);

// Whether a built program carries AddressSanitizer (it is one of the
// sanitizer build's): told by the program file, not by how the test was built.
bool sanititzat(const std::string &nom);

// Runs to the end (or to the time limit) and collects what it printed.
Resultat executa(const Execucio &execucio);

// One table row of a program test.
struct Cas {
  std::string nom;
  std::string entrada;
  std::string sortida;
  int estat = 0;
  std::vector<std::string> arguments = {};
  Fitxers abans = {};                   // put in the folder before the run
  std::optional<Fitxers> despres = {};  // when given: exactly the folder's files after
  std::string errors = {};              // exact standard error
  std::vector<std::pair<std::string, std::string>> entorn = {};
  bool entrada_oberta = false;  // input stays open after its bytes: the program must end by itself
};

// Runs every case in a fresh temporary folder and checks it with GoogleTest
// assertions (each failure names its case). Against sanitizer-built
// programs, which take five times as long to start, a list longer than
// casos_sanititzats runs that many of its cases, evenly spread from the
// first to the last: every case still runs against the plain programs.
constexpr std::size_t casos_sanititzats = 12;
void comprova(const std::string &programa, const std::vector<Cas> &casos);

// Makes bytes with control characters readable in failure messages.
std::string visible(const std::string &bytes);

}  // namespace prova

#endif
