// Registre de vendes: unitats per venedor i producte, escrites o a l'atzar, amb el millor venedor i els totals.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "lectura.h"
#include "plataforma.h"

constexpr int max_venedors = 25;
constexpr int max_productes = 25;
constexpr int max_unitats_aleatories = 123456;  // random cells are drawn modulo this

void introduir(int ventes[max_venedors][max_productes], int *v, int *p, int *dades_introduides);
void maxim_venedor(int ventes[max_venedors][max_productes], int v, int p);
void producte_ventes(int ventes[max_venedors][max_productes], int v, int p);

void pausa() { plataforma::system("pause >NUL"); }

// Option 4, and the end of input at any prompt: say goodbye and end.
[[noreturn]] void surt() {
  std::printf("\n\t\tAdeu!");
  pausa();
  std::exit(0);
}

// Reads a menu option; the rest of its line stays for the next read. A reply
// that is not a number (its line dropped) is option 0, which no menu has.
int llegeix_opcio() {
  int opcio;
  int llegit = lectura::llegeix_valors("%d", &opcio);
  if (llegit == lectura::fi_entrada) surt();
  return llegit == 1 ? opcio : 0;
}

void opcio_incorrecta() {
  std::printf("\n\t\tOpcio incorrecta!");
  pausa();
}

// Asks for a count until it is from 1 to max.
int demana_quantitat(const char *text, int max) {
  int quantitat;
  if (!lectura::demana(text, quantitat, 1, max)) surt();
  return quantitat;
}

int main() {
  int ventes[max_venedors][max_productes] = {};
  int v = 0;
  int p = 0;
  int dades_introduides = 0;
  for (;;) {
    plataforma::system("cls");
    std::printf("\t= Menu: =\n\n");
    std::printf(
        "\t\t1) Introduir informacio\n                2) Trobar el venedor que mes ha venut\n                3) "
        "Trobar la quantitat venuda d'un producte\n                4) Sortir\n\n");
    std::printf("\t\tFica una opcio: ");
    int opcio = llegeix_opcio();
    switch (opcio) {
      case 1: introduir(ventes, &v, &p, &dades_introduides); break;
      case 2:
      case 3:
        if (!dades_introduides) {
          std::printf("\n\t\tEncara no s'han introduit les dades!");
          pausa();
        } else if (opcio == 2) {
          maxim_venedor(ventes, v, p);
        } else {
          producte_ventes(ventes, v, p);
        }
        break;
      case 4: surt();
      default: opcio_incorrecta();
    }
  }
}

void entrada_manual(int ventes[max_venedors][max_productes], int *v, int *p) {
  *v = demana_quantitat("\n\t\tFica el nombre de venedors: ", max_venedors);
  *p = demana_quantitat("\t\tFica el nombre de productes: ", max_productes);
  for (int x = 0; x < *v; x++) {
    for (int y = 0; y < *p; y++) {
      char text[80];
      std::snprintf(text, sizeof text, "\n\t\tFica les unitats del producte %d per al venedor %d: ", y, x);
      if (!lectura::demana(
              text, ventes[x][y], [](int unitats) { return unitats >= 0; }, "\t\tHa de ser 0 o superior!\n"))
        surt();
    }
  }
}

void entrada_aleatoria(int ventes[max_venedors][max_productes], int *v, int *p) {
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  *v = plataforma::rand() % max_venedors;
  *p = plataforma::rand() % max_productes;
  for (int x = 0; x < *v; x++)
    for (int y = 0; y < *p; y++) ventes[x][y] = plataforma::rand() % max_unitats_aleatories;
}

void introduir(int ventes[max_venedors][max_productes], int *v, int *p, int *dades_introduides) {
  for (;;) {
    plataforma::system("cls");
    std::printf("\t= Introduir informacio: =\n\n");
    std::printf("\t\t1) Manualment\n                2) Aleatoriamente\n                3) Sortir\n\n");
    std::printf("\t\tFica una opcio: ");
    int opcio = llegeix_opcio();
    if (*dades_introduides && (opcio == 1 || opcio == 2)) {
      std::printf(
          "\n\n\t\tS'esborraran les dades introduides previament!\n\t\tSi estas segur torna a ficar l'opcio (3 per "
          "sortir): ");
      opcio = llegeix_opcio();
    }
    switch (opcio) {
      case 1:
        entrada_manual(ventes, v, p);
        *dades_introduides = 1;
        std::printf("\n\t\tDades introduides satisfactoriament.");
        pausa();
        break;
      case 2:
        entrada_aleatoria(ventes, v, p);
        *dades_introduides = 1;
        std::printf("\n\t\tDades introduides satisfactoriament!\n\t\tTotal: %d venedors i %d productes.", *v, *p);
        pausa();
        break;
      case 3: return;
      default: opcio_incorrecta();
    }
  }
}

// A salesman's units over the products in use. Cells reach 2,147,483,647,
// so the total needs 64 bits.
long long total_venedor(int ventes[max_venedors][max_productes], int x, int p) {
  long long total = 0;
  for (int y = 0; y < p; y++) total += ventes[x][y];
  return total;
}

void maxim_venedor(int ventes[max_venedors][max_productes], int v, int p) {
  if (v > 0) {
    long long maxim = total_venedor(ventes, 0, p);
    for (int x = 1; x < v; x++)
      if (total_venedor(ventes, x, p) > maxim) maxim = total_venedor(ventes, x, p);
    for (int x = 0; x < v; x++)
      if (total_venedor(ventes, x, p) == maxim)
        std::printf("\n\t\tEl venedor %d te un maxim amb %lld unitats venudes.", x, maxim);
  }
  pausa();
}

void producte_ventes(int ventes[max_venedors][max_productes], int v, int p) {
  char text[80];
  std::snprintf(text, sizeof text, "\n\t\tFica el nombre de producte que cerques (maxim %d): ", p);
  // Products are numbered 0 to p - 1; with none in use, 0 is the only
  // answer, and its total is 0.
  int producte;
  if (!lectura::demana(text, producte, [p](int n) { return n >= 0 && (n < p || n == 0); })) surt();
  long long total = 0;
  if (producte < p)
    for (int x = 0; x < v; x++) total += ventes[x][producte];
  std::printf("\n\t\tEl total venut del producte %d es: %lld", producte, total);
  pausa();
}
