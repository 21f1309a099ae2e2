// Llibre de notes: fins a 10 assignatures i 10 alumnes amb una nota cadascun, consultat per alumne o per assignatura.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lectura.h"
#include "plataforma.h"

constexpr int max_assignatures = 10;
constexpr int max_alumnes = 10;
constexpr int mida_nom = 20;  // names, subjects and query words keep at most 19 characters

struct persona {
  std::int32_t no_exp;
  char nom[mida_nom];
  char domicili[30];
};

struct nota {
  std::int32_t no_exp;
  std::int32_t assignatura;
  float nota;  // below 0: no mark in that subject
};

persona personal[max_alumnes];
nota notes[max_alumnes * max_assignatures];
char assignatures[max_assignatures][mida_nom];

constexpr const char *menu =
    "\n\t== Menu: ==\n\n                1) Introduir dades\n                2) Mostrar notes d'un alumne\n"
    "                3) Mostrar notes d'una assignatura\n                0) Sortir\n\n                Opcio: ";

int introduir_assignatures();
int introduir_alumnes(int n_assignatures);
void pregunta_notes_alumne(int no_exp, int n_assignatures, int notes_ficades);
void mostrar_notes_alumne(const char *alumne, int alumnes, int n_assignatures);
void mostrar_notes_assignatura(const char *assignatura, int alumnes, int n_assignatures);
void busca_nom_assignatura(const char *assignatura, int n_assignatures, char *nom_assignatura);
int busca_numero_alumne(const char *alumne, int alumnes, char *nom_alumne);

void pausa() { plataforma::system("pause >NUL"); }

// Choice 0, and the end of input at any prompt: say goodbye and end. What
// was half typed is dropped; nothing is kept in files.
[[noreturn]] void surt() {
  std::printf("\n\tAdeu!");
  pausa();
  std::exit(0);
}

// Asks for a count from 1 to max, asking the whole question again for any
// other reply.
int demana_quantitat(const char *format, int max) {
  char text[80];
  std::snprintf(text, sizeof text, format, max);
  int quantitat;
  if (!lectura::demana(text, quantitat, 1, max, nullptr, lectura::Resta::descarta)) surt();
  return quantitat;
}

// Asks with the prompt until a line that is not empty is typed, and keeps
// its first mida - 1 characters in camp. With descarta_abans, input typed
// before the prompt showed is dropped first.
void demana_linia(const char *text, char *camp, std::size_t mida, bool descarta_abans) {
  std::string linia;
  do {
    std::fputs(text, stdout);
    if (descarta_abans) plataforma::fflush(stdin);
    if (!lectura::llegeix_linia(linia)) surt();
  } while (linia.empty());
  std::size_t n = linia.size() < mida - 1 ? linia.size() : mida - 1;
  std::memcpy(camp, linia.data(), n);
  camp[n] = '\0';
}

// Reads the first word of the line (blanks and empty lines before it are
// skipped), keeping its first mida_nom - 1 characters; the rest of the line
// is dropped.
void llegeix_paraula(char *cad) {
  if (lectura::llegeix_valors("%19s", cad) != 1) surt();
  plataforma::fflush(stdin);
}

// A copy of text with A to Z lowered, for comparisons that leave the stored
// names as they were typed.
std::string minuscules(const char *text) {
  std::string copia(text);
  plataforma::_strlwr(copia.data());
  return copia;
}

bool conte(const char *nom, const char *text) {
  return std::strstr(minuscules(nom).c_str(), minuscules(text).c_str()) != nullptr;
}

int main() {
  int alumnes = 0;
  int n_assignatures = 0;
  char opcio;
  char cad[mida_nom];
  for (;;) {
    plataforma::system("cls");
    std::fputs(menu, stdout);
    if (lectura::llegeix_valors("%c", &opcio) != 1) surt();
    plataforma::fflush(stdin);
    switch (opcio) {
      case '1':
        n_assignatures = introduir_assignatures();
        alumnes = introduir_alumnes(n_assignatures);
        break;
      case '2':
        std::printf("\n\tFica el nom de l'alumne: ");
        llegeix_paraula(cad);
        mostrar_notes_alumne(cad, alumnes, n_assignatures);
        pausa();
        break;
      case '3':
        std::printf("\n\tFica el nom de l'assignatura: ");
        llegeix_paraula(cad);
        mostrar_notes_assignatura(cad, alumnes, n_assignatures);
        pausa();
        break;
      case '4':
        for (int x = 0; x < alumnes; x++)
          std::printf("%d %s %s\n", personal[x].no_exp, personal[x].nom, personal[x].domicili);
        for (int i = 0; i < alumnes * n_assignatures; i++)
          std::printf("%d %d %g\n", notes[i].no_exp, notes[i].assignatura, static_cast<double>(notes[i].nota));
        pausa();
        break;
      case '0': surt();
      case '\n': break;
      default: std::printf("\n\tOpcio incorrecta!"); pausa();
    }
  }
}

int introduir_assignatures() {
  int n_assignatures = demana_quantitat("\n\tQuantes assignatures vols ficar (maxim %d)? ", max_assignatures);
  for (int y = 0; y < n_assignatures; y++) {
    char text[40];
    std::snprintf(text, sizeof text, "\t\tNom de l'assignatura #%d: ", y);
    demana_linia(text, assignatures[y], sizeof assignatures[y], true);
  }
  return n_assignatures;
}

int introduir_alumnes(int n_assignatures) {
  int alumnes = demana_quantitat("\n\tQuants alumnes vols ficar (maxim %d)? ", max_alumnes);
  for (int x = 0; x < alumnes; x++) {
    persona &alumne = personal[x];
    std::printf("\tAlumne #%d: \n", x);
    int no_exp;
    if (!lectura::demana(
            "\t\tNumero d'expedient: ", no_exp, [](int n) { return n >= 0; }, nullptr, lectura::Resta::descarta))
      surt();
    alumne.no_exp = no_exp;
    demana_linia("\t\tNom: ", alumne.nom, sizeof alumne.nom, false);
    // The address field holds 30 bytes, but only 19 characters are taken.
    demana_linia("\t\tDomicili: ", alumne.domicili, mida_nom, false);
    pregunta_notes_alumne(no_exp, n_assignatures, x * n_assignatures);
  }
  return alumnes;
}

void pregunta_notes_alumne(int no_exp, int n_assignatures, int notes_ficades) {
  for (int y = 0; y < n_assignatures; y++) {
    char text[80 + sizeof assignatures];
    std::snprintf(text, sizeof text, "\t\tFica la nota de l'alumne en %s (-1 si no en te): ", assignatures[y]);
    float valor;
    if (!lectura::demana(text, valor, -1.0f, 10.0f, nullptr, lectura::Resta::descarta)) surt();
    notes[notes_ficades + y] = {no_exp, y, valor};
  }
}

void mostrar_notes_alumne(const char *alumne, int alumnes, int n_assignatures) {
  char nom_alumne[mida_nom];
  int no_exp = busca_numero_alumne(alumne, alumnes, nom_alumne);
  int mostrades = 0;
  if (no_exp == -1) {
    std::printf("\n\tAlumne no trobat!");
  } else {
    std::printf("\n\tAlumne %s amb expedient %d:\n", nom_alumne, no_exp);
    // Every mark with that file number, so students who share one show
    // their marks together under the first one's name.
    for (int i = 0; i < alumnes * n_assignatures; i++) {
      if (notes[i].no_exp == no_exp && notes[i].nota >= 0) {
        std::printf("\n\t\tAssignatura %s: %g", assignatures[notes[i].assignatura], static_cast<double>(notes[i].nota));
        mostrades++;
      }
    }
  }
  if (mostrades == 0) std::printf("\n\t\tL'alumne no te notes en cap assignatura!");
}

void mostrar_notes_assignatura(const char *assignatura, int alumnes, int n_assignatures) {
  char nom_assignatura[mida_nom];
  busca_nom_assignatura(assignatura, n_assignatures, nom_assignatura);
  if (nom_assignatura[0] == '\0') {
    std::printf("\n\tAssignatura no trobada!");
    return;
  }
  std::printf("\n\tNotes de l'assignatura %s:", nom_assignatura);
  // Each student's own marks in every subject of that name, under the
  // student's own name and file number.
  for (int x = 0; x < alumnes; x++) {
    for (int y = 0; y < n_assignatures; y++) {
      const nota &n = notes[x * n_assignatures + y];
      if (plataforma::_strcmpi(assignatures[y], nom_assignatura) == 0 && n.nota >= 0)
        std::printf("\n\t\tNota de l'alumne %s amb expedient %d: %g", personal[x].nom, personal[x].no_exp,
                    static_cast<double>(n.nota));
    }
  }
}

void busca_nom_assignatura(const char *assignatura, int n_assignatures, char *nom_assignatura) {
  nom_assignatura[0] = '\0';
  for (int y = 0; y < n_assignatures; y++) {
    if (conte(assignatures[y], assignatura)) {
      std::strcpy(nom_assignatura, assignatures[y]);
      return;
    }
  }
}

int busca_numero_alumne(const char *alumne, int alumnes, char *nom_alumne) {
  for (int x = 0; x < alumnes; x++) {
    if (conte(personal[x].nom, alumne)) {
      std::strcpy(nom_alumne, personal[x].nom);
      return personal[x].no_exp;
    }
  }
  return -1;
}
