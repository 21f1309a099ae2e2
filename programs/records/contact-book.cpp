// Agenda: fins a 10 contactes guardats a "agenda.dat", llistats, cercats, ordenats i impresos.
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "desa.h"
#include "enters32.h"
#include "lectura.h"
#include "plataforma.h"

constexpr int max_contactes = 10;
constexpr int mida_cerca = 45;  // a search text holds at most 44 characters
constexpr int mida_clau = 62;   // sort key: surnames, name and telephone with blanks between

// One contact; its memory image is also the 60-byte record of "agenda.dat".
struct contacte {
  std::int32_t numero;
  char nom[15];
  char cognom1[15];
  char cognom2[15];
  char telefon[10];
};
static_assert(sizeof(contacte) == 60 && offsetof(contacte, nom) == 4 && offsetof(contacte, cognom1) == 19 &&
              offsetof(contacte, cognom2) == 34 && offsetof(contacte, telefon) == 49);

contacte agenda[max_contactes];
int dim = 0;
int ultim_numero = 0;
// The last load found a file it could not read (not a missing one): a save
// would replace contacts that were never shown, so it is refused.
bool carrega_fallida = false;

constexpr const char *fitxer_dades = "agenda.dat";
constexpr const char *fitxer_informe = "agenda.txt";

constexpr const char *menu =
    "\n\t== Menu ==\n\n      1) Entra un nou contacte\n      2) Esborra un contacte\n      3) Mostra tota "
    "l'agenda\n      4) Cerca per nom\n      5) Cerca per primer cognom\n      6) Cerca per telefon\n      7) "
    "Ordena alfabeticament\n\n      8) Carrega dades\n\n      9) Guarda dades\n\n      10) Genera informe\n\n   "
    "   0) Sortir\n\n      \tOpcio: ";
constexpr const char *format_capsalera = "\nNum %-15s %-15s %-15s %-10s";
constexpr const char *format_fila = "\n%3d %-15s %-15s %-15s %-10s";
constexpr const char *missatge_no_obert = "\nNo es pot obrir l'arxiu %s!\n";

void entra_contacte();
void esborra_contacte(int num);
int mostra_agenda(int fer_pausa);
void cerca(const char *dada, int lloc);
void ordena_alfabeticament();
char *junta_nom(contacte persona, char *resultat);
int compara(int i, int j);
void mostra_contacte(int num);
void mostra_capsalera();
char *minuscules(const char *frase, char *minus);
void treure_espais(char *frase);
void carrega_dades(int mostra_errors);
void guarda_dades();
void genera_informe();

void pausa() { plataforma::system("pause >NUL"); }

// Option 0, and the end of input at any prompt: save, say goodbye, end.
[[noreturn]] void surt() {
  guarda_dades();
  std::printf("\n\tAdeu!");
  pausa();
  std::exit(0);
}

// Reads a number and drops the rest of its line. False when the reply was
// not a number (its line is dropped too); the end of input ends the program.
bool llegeix_numero(int *valor) {
  int llegit = lectura::llegeix_enter(valor);
  if (llegit == lectura::fi_entrada) surt();
  return llegit == 1;
}

// Reads a line into a text field; the name loses its blanks first. The end
// of input ends the program.
void llegeix_camp(char *camp, std::size_t mida, bool sense_blancs) {
  if (!lectura::llegeix_camp(camp, mida, sense_blancs ? treure_espais : nullptr)) surt();
}

// The next contact number after n, wrapping as the 32-bit counter does.
int seguent(int n) { return enters32::suma(n, 1); }

int main() {
  carrega_dades(0);
  int opcio;
  do {
    plataforma::system("cls");
    std::printf("%s", menu);
    if (!llegeix_numero(&opcio)) opcio = -1;
    char dada[mida_cerca];
    int num;
    switch (opcio) {
      case 1: entra_contacte(); break;
      case 2:
        if (mostra_agenda(0) != 0)
          std::printf("\nFica el numero del contacte a esborrar: ");
        else
          std::printf("No hi han contactes encara!");
        if (llegeix_numero(&num)) {
          esborra_contacte(num);
        } else {
          std::printf("\nAixo no es un numero: no s'ha esborrat cap contacte!");
          pausa();
        }
        break;
      case 3: mostra_agenda(1); break;
      case 4:
      case 5:
      case 6:
        std::printf(opcio == 4   ? "Fica el nom del contacte a cercar: "
                    : opcio == 5 ? "Fica el primer cognom del contacte a cercar: "
                                 : "Fica el telefon del contacte a cercar: ");
        if (!lectura::llegeix_linia(dada, sizeof dada)) surt();
        cerca(dada, opcio - 4);
        break;
      case 7: ordena_alfabeticament(); break;
      case 8: carrega_dades(1); break;
      case 9: guarda_dades(); break;
      case 10: genera_informe(); break;
      case 0: break;
      default: std::printf("Opcio incorrecta"); pausa();
    }
  } while (opcio != 0);
  surt();
}

// Reads a new contact into the first free position. A full book takes none.
void entra_contacte() {
  if (dim == max_contactes) {
    std::printf("\nL'agenda es plena: no hi caben mes de %d contactes!\n", max_contactes);
    pausa();
    return;
  }
  contacte *nou = &agenda[dim];
  std::printf("\nFica el NOM del nou contacte: ");
  llegeix_camp(nou->nom, sizeof nou->nom, true);
  std::printf("\nFica el PRIMER COGNOM del nou contacte: ");
  llegeix_camp(nou->cognom1, sizeof nou->cognom1, false);
  std::printf("\nFica el SEGON COGNOM del nou contacte: ");
  llegeix_camp(nou->cognom2, sizeof nou->cognom2, false);
  std::printf("\nFica el TELEFON del nou contacte: ");
  llegeix_camp(nou->telefon, sizeof nou->telefon, false);
  nou->numero = ultim_numero;
  ultim_numero = seguent(ultim_numero);
  dim++;
}

// Deletes the first contact with that number; the ones after it move down.
void esborra_contacte(int num) {
  int i = 0;
  while (i < dim && agenda[i].numero != num) i++;
  if (i < dim) {
    dim--;
    for (; i < dim; i++) agenda[i] = agenda[i + 1];
    std::printf("\nContacte numero %d esborrat!", num);
  } else {
    std::printf("\nNo s'ha trobat el contacte numero %d!", num);
  }
  pausa();
}

int mostra_agenda(int fer_pausa) {
  mostra_capsalera();
  for (int i = 0; i < dim; i++) mostra_contacte(i);
  if (dim == 0) std::printf("\n\n\t\t\t\t[ Agenda buida! ]");
  if (fer_pausa) pausa();
  return dim;
}

// Lists the contacts whose chosen field (0 name, 1 first surname, other
// telephone) contains the text, ignoring the case of A to Z.
void cerca(const char *dada, int lloc) {
  char dada_minus[mida_cerca];
  char camp_minus[sizeof agenda[0].nom];
  bool trobat = false;
  mostra_capsalera();
  for (int i = 0; i < dim; i++) {
    const char *camp = lloc == 0 ? agenda[i].nom : lloc == 1 ? agenda[i].cognom1 : agenda[i].telefon;
    minuscules(dada, dada_minus);
    minuscules(camp, camp_minus);
    if (std::strstr(camp_minus, dada_minus)) {
      mostra_contacte(i);
      trobat = true;
    }
  }
  if (!trobat) std::printf("\n\n\t\t\t[ no s'han trobat coincidencies! ]");
  pausa();
}

// Insertion sort by the sort key: a contact moves before an earlier one only
// when its key is strictly smaller, so equal keys keep their order.
void ordena_alfabeticament() {
  for (int i = 1; i < dim; i++) {
    for (int j = i; j > 0 && compara(j - 1, j) > 0; j--) {
      contacte pres = agenda[j];
      agenda[j] = agenda[j - 1];
      agenda[j - 1] = pres;
    }
  }
}

char *junta_nom(contacte persona, char *resultat) {
  std::snprintf(resultat, mida_clau, "%s %s %s %s", persona.cognom1, persona.cognom2, persona.nom, persona.telefon);
  return resultat;
}

int compara(int i, int j) {
  char clau_i[mida_clau], clau_j[mida_clau];
  junta_nom(agenda[j], clau_j);
  junta_nom(agenda[i], clau_i);
  return plataforma::_strcmpi(clau_i, clau_j);
}

void mostra_contacte(int num) {
  const contacte &c = agenda[num];
  std::printf(format_fila, c.numero, c.nom, c.cognom1, c.cognom2, c.telefon);
}

void mostra_capsalera() { std::printf(format_capsalera, "Nom", "Primer cognom", "Segon cognom", "Telefon"); }

char *minuscules(const char *frase, char *minus) {
  std::size_t i = 0;
  for (; frase[i]; i++)
    minus[i] = frase[i] >= 'A' && frase[i] <= 'Z' ? static_cast<char>(frase[i] - 'A' + 'a') : frase[i];
  minus[i] = '\0';
  return minus;
}

void treure_espais(char *frase) {
  char *desti = frase;
  for (const char *c = frase; *c; c++)
    if (*c != ' ' && *c != '\n') *desti++ = *c;
  *desti = '\0';
}

// ---------------------------------------------------------------------------
// Storage in "agenda.dat" and the report.

// Every text of a loaded record ends inside its field, even in a damaged file.
void termina_camps() {
  for (int i = 0; i < dim; i++) {
    agenda[i].nom[sizeof agenda[i].nom - 1] = '\0';
    agenda[i].cognom1[sizeof agenda[i].cognom1 - 1] = '\0';
    agenda[i].cognom2[sizeof agenda[i].cognom2 - 1] = '\0';
    agenda[i].telefon[sizeof agenda[i].telefon - 1] = '\0';
  }
}

// New contacts get numbers above every number in the table, so that a
// number always names one contact.
void ajusta_numeracio() {
  for (int i = 0; i < dim; i++)
    if (agenda[i].numero >= ultim_numero && agenda[i].numero < INT_MAX) ultim_numero = agenda[i].numero + 1;
}

void carrega_dades(int mostra_errors) {
  std::FILE *f = plataforma::fopen(fitxer_dades, "rb");
  if (!f) {
    carrega_fallida = errno != ENOENT;
    if (mostra_errors) {
      std::printf(missatge_no_obert, fitxer_dades);
      pausa();
    }
    return;
  }
  dim = static_cast<int>(std::fread(agenda, sizeof(contacte), max_contactes, f));
  carrega_fallida = std::ferror(f) != 0;
  termina_camps();
  ajusta_numeracio();
  if (mostra_errors) {
    if (dim == 0)
      std::printf("\nNo existeixen dades en %s!\n", fitxer_dades);
    else
      std::printf("\nFitxer carregat!\n");
    pausa();
  }
  std::fclose(f);
}

// Writes the table to a new file that replaces "agenda.dat" only once it is
// complete, so a failed save leaves the previous file as it was.
bool escriu_agenda() {
  if (carrega_fallida) return false;
  return plataforma::desa_segur(fitxer_dades, [](std::FILE *f) {
    return std::fwrite(agenda, sizeof(contacte), static_cast<std::size_t>(dim), f) == static_cast<std::size_t>(dim);
  });
}

void guarda_dades() {
  if (!escriu_agenda()) {
    std::printf(missatge_no_obert, fitxer_dades);
    pausa();
    return;
  }
  std::printf("\nFixter guardat!\n");
  pausa();
}

// True when every byte of the report was written.
bool escriu_informe(std::FILE *f) {
  bool be = std::fprintf(f, format_capsalera + 1, "Nom", "Primer cognom", "Segon cognom", "Telefon") >= 0;
  for (int i = 0; i < dim; i++)
    be = std::fprintf(f, format_fila, agenda[i].numero, agenda[i].nom, agenda[i].cognom1, agenda[i].cognom2,
                      agenda[i].telefon) >= 0 &&
         be;
  return std::fflush(f) == 0 && be;
}

// The printer could not be opened or did not print: the program ends here;
// what was typed is kept first. When the spooler refused the job, what it
// said is the reason.
[[noreturn]] void error_impressora(int error) {
  escriu_agenda();
  const char *queixa = plataforma::missatge_impressora();
  if (*queixa) {
    std::fprintf(stderr, "Could not print on \"prn\": %s\n", queixa);
  } else {
    errno = error;
    std::perror("Could not open \"prn\" for output");
  }
  std::exit(1);
}

// Writes the report to "agenda.txt" and, when asked to, to the printer,
// which is reached only then.
void genera_informe() {
  std::FILE *informe = plataforma::fopen(fitxer_informe, "wt");
  bool escrit = informe && escriu_informe(informe);
  if (informe && std::fclose(informe) != 0) escrit = false;
  if (!escrit) {
    std::printf(missatge_no_obert, fitxer_informe);
    pausa();
    return;
  }
  std::printf("\nInforme generat! Vols imprimir-lo? (s/n) ");
  char resposta;
  int llegit = std::scanf("%c", &resposta);
  if (llegit == 1 && std::toupper(static_cast<unsigned char>(resposta)) == 'S') {
    std::FILE *impressora = plataforma::fopen("prn", "wb");
    if (!impressora) error_impressora(errno);
    bool imprimit = escriu_informe(impressora);
    if (std::fclose(impressora) != 0 || !imprimit) error_impressora(errno ? errno : EIO);
  }
  if (llegit != 1) surt();
}
