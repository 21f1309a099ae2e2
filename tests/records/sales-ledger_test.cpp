// The sales ledger through pipes: both menus and the confirmation, manual
// entry with its re-asks, both queries against a model, and the random entry
// against a model of the original generator.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::Cas;

const std::string menu_vendes =
    "\f\t= Menu: =\n\n\t\t1) Introduir informacio\n                2) Trobar el venedor que mes ha venut\n       "
    "         3) Trobar la quantitat venuda d'un producte\n                4) Sortir\n\n\t\tFica una opcio: ";
const std::string submenu =
    "\f\t= Introduir informacio: =\n\n\t\t1) Manualment\n                2) Aleatoriamente\n                3) "
    "Sortir\n\n\t\tFica una opcio: ";
const std::string confirmacio =
    "\n\n\t\tS'esborraran les dades introduides previament!\n\t\tSi estas segur torna a ficar l'opcio (3 per sortir): ";
const std::string adeu_vendes = "\n\t\tAdeu!";
const std::string incorrecta_vendes = "\n\t\tOpcio incorrecta!";
const std::string sense_dades = "\n\t\tEncara no s'han introduit les dades!";
const std::string introduides = "\n\t\tDades introduides satisfactoriament.";
const std::string venedors = "\n\t\tFica el nombre de venedors: ";
const std::string productes = "\t\tFica el nombre de productes: ";
const std::string negativa = "\t\tHa de ser 0 o superior!\n";

std::string cella(int y, int x) {
  return "\n\t\tFica les unitats del producte " + std::to_string(y) + " per al venedor " + std::to_string(x) + ": ";
}
std::string pregunta_producte(int p) {
  return "\n\t\tFica el nombre de producte que cerques (maxim " + std::to_string(p) + "): ";
}

// ---------------------------------------------------------------------------
// The model: a table of v rows (salesmen) by p columns (products).
using Taula = std::vector<std::vector<long long>>;

int columnes(const Taula &t) { return t.empty() ? 0 : static_cast<int>(t[0].size()); }

std::string millor_venedor(const Taula &t) {
  std::vector<long long> totals;
  for (const auto &fila : t) {
    long long total = 0;
    for (long long c : fila) total += c;
    totals.push_back(total);
  }
  std::string r;
  if (totals.empty()) return r;
  long long maxim = totals[0];
  for (long long total : totals) maxim = total > maxim ? total : maxim;
  for (std::size_t x = 0; x < totals.size(); x++)
    if (totals[x] == maxim)
      r += "\n\t\tEl venedor " + std::to_string(x) + " te un maxim amb " + std::to_string(maxim) + " unitats venudes.";
  return r;
}

std::string total_producte(const Taula &t, int y) {
  long long total = 0;
  for (const auto &fila : t) total += y < static_cast<int>(fila.size()) ? fila[y] : 0;
  return "\n\t\tEl total venut del producte " + std::to_string(y) + " es: " + std::to_string(total);
}

// What is typed for a manual entry after its option, and what it prints up
// to the end of its message; a pause key follows.
std::string teclat_manual(const Taula &t) {
  std::string r = std::to_string(t.size()) + "\n" + std::to_string(columnes(t)) + "\n";
  for (const auto &fila : t)
    for (long long c : fila) r += std::to_string(c) + "\n";
  return r + "9\n";
}
std::string dialeg_manual(const Taula &t) {
  std::string r = venedors + productes;
  for (std::size_t x = 0; x < t.size(); x++)
    for (int y = 0; y < columnes(t); y++) r += cella(y, static_cast<int>(x));
  return r + introduides;
}

// From the main menu: manual entry of t (the first one, no confirmation),
// back to the main menu.
std::string entra(const Taula &t) { return "1\n1\n" + teclat_manual(t) + "3\n"; }
std::string surt_entra(const Taula &t) { return submenu + dialeg_manual(t) + submenu + menu_vendes; }

// Both queries, every product asked once, each pause taking its key.
std::string consultes_teclat(const Taula &t) {
  std::string r = "2\n9\n";
  for (int y = 0; y < columnes(t); y++) r += "3\n" + std::to_string(y) + "\n9\n";
  return r;
}
std::string consultes_sortida(const Taula &t) {
  std::string r = millor_venedor(t) + menu_vendes;
  for (int y = 0; y < columnes(t); y++) r += pregunta_producte(columnes(t)) + total_producte(t, y) + menu_vendes;
  return r;
}

const Taula dos_per_dos = {{3, 4}, {5, 2}};

TEST(SalesLedger, MainMenu) {
  prova::comprova(
      "sales-ledger",
      {
          {.nom = "4 says goodbye", .entrada = "4\n", .sortida = menu_vendes + adeu_vendes},
          {.nom = "queries before any data",
           .entrada = "2\n9\n3\n9\n4\n9\n",
           .sortida = menu_vendes + sense_dades + menu_vendes + sense_dades + menu_vendes + adeu_vendes},
          {.nom = "incorrect options, and replies that are not numbers",
           .entrada = "0\n9\n5\n9\n-1\n9\nabc\n9\n4294967297\n9\n4\n",
           .sortida = menu_vendes + incorrecta_vendes + menu_vendes + incorrecta_vendes + menu_vendes +
                      incorrecta_vendes + menu_vendes + incorrecta_vendes + menu_vendes + incorrecta_vendes +
                      menu_vendes + adeu_vendes},
          {.nom = "empty lines before a number are skipped",
           .entrada = "\n\n  \n4\n",
           .sortida = menu_vendes + adeu_vendes},
          {.nom = "the rest of a line answers the next prompt",
           .entrada = "1 3 4\n",
           .sortida = menu_vendes + submenu + menu_vendes + adeu_vendes},
          {.nom = "2.5 runs 2; .5 is then an incorrect reply whose pause takes the key line's line feed",
           .entrada = "2.5\n9\n4\n",
           .sortida = menu_vendes + sense_dades + menu_vendes + incorrecta_vendes + menu_vendes + adeu_vendes},
          {.nom = "each pause takes one key line; a further 9 line is an option",
           .entrada = "7\n9\n9\n9\n4\n",
           .sortida = menu_vendes + incorrecta_vendes + menu_vendes + incorrecta_vendes + menu_vendes + adeu_vendes},
      });
}

TEST(SalesLedger, SubmenuAndConfirmation) {
  const std::string amb_dades = entra(dos_per_dos);
  const std::string sortida_dades = menu_vendes + surt_entra(dos_per_dos);
  const std::string millor =
      "\n\t\tEl venedor 0 te un maxim amb 7 unitats venudes.\n\t\tEl venedor 1 te un maxim amb "
      "7 unitats venudes.";
  const Taula u = {{11}};
  prova::comprova(
      "sales-ledger",
      {
          {.nom = "incorrect submenu options, then 3 back with no pause",
           .entrada = "1\n0\n9\n4\n9\n-2\n9\nx\n9\n3\n4\n",
           .sortida = menu_vendes + submenu + incorrecta_vendes + submenu + incorrecta_vendes + submenu +
                      incorrecta_vendes + submenu + incorrecta_vendes + submenu + menu_vendes + adeu_vendes},
          {.nom = "two tied salesmen both print, lower number first",
           .entrada = amb_dades + "2\n9\n4\n",
           .sortida = sortida_dades + millor + menu_vendes + adeu_vendes},
          {.nom = "1 then 3 at the confirmation keeps the data",
           .entrada = amb_dades + "1\n1\n3\n2\n9\n4\n",
           .sortida = sortida_dades + submenu + confirmacio + menu_vendes + millor + menu_vendes + adeu_vendes},
          {.nom = "2 then 3 at the confirmation keeps the data",
           .entrada = amb_dades + "1\n2\n3\n2\n9\n4\n",
           .sortida = sortida_dades + submenu + confirmacio + menu_vendes + millor + menu_vendes + adeu_vendes},
          {.nom = "2 then 1 carries out the manual entry",
           .entrada = amb_dades + "1\n2\n1\n" + teclat_manual(u) + "3\n2\n9\n4\n",
           .sortida = sortida_dades + submenu + confirmacio + dialeg_manual(u) + submenu + menu_vendes +
                      millor_venedor(u) + menu_vendes + adeu_vendes},
          {.nom = "7, 0 or a non-number at the confirmation is incorrect",
           .entrada = amb_dades + "1\n1\n7\n9\n2\n0\n9\n1\nno\n9\n3\n2\n9\n4\n",
           .sortida = sortida_dades + submenu + confirmacio + incorrecta_vendes + submenu + confirmacio +
                      incorrecta_vendes + submenu + confirmacio + incorrecta_vendes + submenu + menu_vendes + millor +
                      menu_vendes + adeu_vendes},
          {.nom = "5 and 3 at the submenu ask no confirmation",
           .entrada = amb_dades + "1\n5\n9\n3\n4\n",
           .sortida = sortida_dades + submenu + incorrecta_vendes + submenu + menu_vendes + adeu_vendes},
          {.nom = "a second entry in the same visit is confirmed too",
           .entrada = "1\n1\n" + teclat_manual(dos_per_dos) + "1\n1\n" + teclat_manual(u) + "3\n2\n9\n4\n",
           .sortida = menu_vendes + submenu + dialeg_manual(dos_per_dos) + submenu + confirmacio + dialeg_manual(u) +
                      submenu + menu_vendes + millor_venedor(u) + menu_vendes + adeu_vendes},
      });
}

TEST(SalesLedger, ManualEntryAsksAgain) {
  prova::comprova(
      "sales-ledger",
      {
          {.nom = "counts out of 1..25 and non-numbers, silently",
           .entrada = "1\n1\n0\n-4\n26\n1000\nx\n4294967297\n1\n0\n26\n-4\ncap\n2\n1\n2\n9\n3\n4\n",
           .sortida = menu_vendes + submenu + venedors + venedors + venedors + venedors + venedors + venedors +
                      venedors + productes + productes + productes + productes + productes + cella(0, 0) + cella(1, 0) +
                      introduides + submenu + menu_vendes + adeu_vendes},
          {.nom = "a negative cell has its message; a non-number or a 33-bit number has none",
           .entrada = "1\n1\n1\n1\n-1\n-2147483648\nx\n4294967296\n2147483648\n0\n9\n3\n3\n0\n9\n4\n",
           .sortida = menu_vendes + submenu + venedors + productes + cella(0, 0) + negativa + cella(0, 0) + negativa +
                      cella(0, 0) + cella(0, 0) + cella(0, 0) + cella(0, 0) + introduides + submenu + menu_vendes +
                      pregunta_producte(1) + "\n\t\tEl total venut del producte 0 es: 0" + menu_vendes + adeu_vendes},
      });
}

TEST(SalesLedger, QueriesAgainstTheModel) {
  std::mt19937 gen(20261208);
  std::vector<Cas> casos;
  for (int i = 0; i < 12; i++) {
    int v = 1 + static_cast<int>(gen() % 6), p = 1 + static_cast<int>(gen() % 6);
    long long amplada = i % 3 == 0 ? 2 : i % 3 == 1 ? 4 : 100000;  // small widths give ties
    Taula t(static_cast<std::size_t>(v), std::vector<long long>(static_cast<std::size_t>(p)));
    for (auto &fila : t)
      for (long long &c : fila) c = static_cast<long long>(gen() % static_cast<unsigned>(amplada));
    casos.push_back({.nom = "table " + std::to_string(i) + " (" + std::to_string(v) + " x " + std::to_string(p) + ")",
                     .entrada = entra(t) + consultes_teclat(t) + "4\n",
                     .sortida = menu_vendes + surt_entra(t) + consultes_sortida(t) + adeu_vendes});
  }
  // 25 x 25 cells of 2,147,483,647: every total is 53,687,091,175.
  Taula plena(25, std::vector<long long>(25, 2147483647));
  casos.push_back({.nom = "the largest table with the largest cells",
                   .entrada = entra(plena) + consultes_teclat(plena) + "4\n",
                   .sortida = menu_vendes + surt_entra(plena) + consultes_sortida(plena) + adeu_vendes});
  prova::comprova("sales-ledger", casos);
  EXPECT_EQ(total_producte(plena, 3), "\n\t\tEl total venut del producte 3 es: 53687091175");
}

TEST(SalesLedger, ProductNumber) {
  const Taula gran = {{100, 200, 300}, {400, 500, 600}, {700, 800, 900}};
  const Taula petita = {{1}, {2}};
  prova::comprova(
      "sales-ledger",
      {
          {.nom = "-1, -5, p, 99, 1000 and non-numbers are asked again with no message",
           .entrada = entra(gran) + "3\n-1\n-5\n3\n99\n1000\nx\n2\n9\n4\n",
           .sortida = menu_vendes + surt_entra(gran) + pregunta_producte(3) + pregunta_producte(3) +
                      pregunta_producte(3) + pregunta_producte(3) + pregunta_producte(3) + pregunta_producte(3) +
                      pregunta_producte(3) + total_producte(gran, 2) + menu_vendes + adeu_vendes},
          {.nom = "a smaller entry never sums the older cells",
           .entrada = entra(gran) + "1\n1\n1\n" + teclat_manual(petita) + "3\n3\n1\n2\n0\n9\n2\n9\n4\n",
           .sortida = menu_vendes + surt_entra(gran) + submenu + confirmacio + dialeg_manual(petita) + submenu +
                      menu_vendes + pregunta_producte(1) + pregunta_producte(1) + pregunta_producte(1) +
                      "\n\t\tEl total venut del producte 0 es: 3" + menu_vendes + millor_venedor(petita) + menu_vendes +
                      adeu_vendes},
      });
}

TEST(SalesLedger, EndOfInputAndNonNumbersNeverLoop) {
  const std::string entrada = entra(dos_per_dos) + "1\n1\n3\n" + consultes_teclat(dos_per_dos) + "1\n2\n3\n4\n9\n";
  const std::string sortida = menu_vendes + surt_entra(dos_per_dos) + submenu + confirmacio + menu_vendes +
                              consultes_sortida(dos_per_dos) + submenu + confirmacio + menu_vendes + adeu_vendes;
  prova::comprova("sales-ledger", {{.nom = "the whole session", .entrada = entrada, .sortida = sortida}});
  for (std::size_t fi = 0; fi < entrada.size(); fi++) {
    if (fi != 0 && entrada[fi - 1] != '\n') continue;
    for (const std::string &final : {std::string(), std::string("xyz\n")}) {
      // Cut after a line, or a line of letters there and then the end.
      SCOPED_TRACE("input cut after " + std::to_string(fi) + " bytes, then \"" + final + "\"");
      prova::CarpetaTemporal carpeta;
      auto r = prova::executa(
          {.programa = "sales-ledger", .entrada = entrada.substr(0, fi) + final, .carpeta = carpeta.cami()});
      EXPECT_FALSE(r.temps_esgotat);
      EXPECT_EQ(r.estat, 0);
      ASSERT_GE(r.sortida.size(), adeu_vendes.size());
      EXPECT_EQ(r.sortida.substr(r.sortida.size() - adeu_vendes.size()), adeu_vendes) << prova::visible(r.sortida);
      if (final.empty()) {
        EXPECT_EQ(sortida.compare(0, r.sortida.size() - adeu_vendes.size(), r.sortida, 0,
                                  r.sortida.size() - adeu_vendes.size()),
                  0)
            << prova::visible(r.sortida);
      }
    }
  }
}

// ---------------------------------------------------------------------------
// The random entry: the original runtime's generator seeded with the time in
// seconds. The test knows the run's seconds only within a window, so the
// output must be the model's for one second of it.

struct Generador {
  std::uint32_t estat;
  int seguent() {
    estat = estat * 214013u + 2531011u;
    return static_cast<int>((estat >> 16) & 0x7FFF);
  }
};

// A random table keeps its product count apart: with no salesmen, the rows
// cannot tell it.
struct Aleatoria {
  Taula t;
  int p;
};

Aleatoria aleatoria(std::time_t segon) {
  Generador g {static_cast<std::uint32_t>(segon)};
  int v = g.seguent() % 25;
  int p = g.seguent() % 25;
  Taula t(static_cast<std::size_t>(v), std::vector<long long>(static_cast<std::size_t>(p)));
  for (auto &fila : t)
    for (long long &c : fila) c = g.seguent() % 123456;
  return {t, p};
}

std::string missatge_aleatori(const Aleatoria &a) {
  return "\n\t\tDades introduides satisfactoriament!\n\t\tTotal: " + std::to_string(a.t.size()) + " venedors i " +
         std::to_string(a.p) + " productes.";
}

// Main menu 1, random entry, confirmed random entry, back; best salesman,
// product 0; goodbye.
const std::string teclat_aleatori = "1\n2\n9\n2\n2\n9\n3\n2\n9\n3\n0\n9\n4\n9\n";
std::string sortida_aleatoria(const Aleatoria &primera, const Aleatoria &a) {
  return menu_vendes + submenu + missatge_aleatori(primera) + submenu + confirmacio + missatge_aleatori(a) + submenu +
         menu_vendes + millor_venedor(a.t) + menu_vendes + pregunta_producte(a.p) + total_producte(a.t, 0) +
         menu_vendes + adeu_vendes;
}

TEST(SalesLedger, RandomEntryFollowsTheOriginalGenerator) {
  for (int vegada = 0; vegada < 3; vegada++) {
    prova::CarpetaTemporal carpeta;
    std::time_t abans = std::time(nullptr);
    auto r = prova::executa({.programa = "sales-ledger", .entrada = teclat_aleatori, .carpeta = carpeta.cami()});
    std::time_t despres = std::time(nullptr);
    EXPECT_EQ(r.estat, 0);
    bool trobada = false;
    for (std::time_t s1 = abans; s1 <= despres && !trobada; s1++)
      for (std::time_t s2 = s1; s2 <= despres && !trobada; s2++)
        trobada = r.sortida == sortida_aleatoria(aleatoria(s1), aleatoria(s2));
    EXPECT_TRUE(trobada) << prova::visible(r.sortida);
  }
}

}  // namespace

namespace {

// Runs at a chosen second through the preloaded clock, so that the seconds
// whose draws give no salesmen or no products can be picked.
TEST(SalesLedger, RandomEntryAtChosenSeconds) {
  auto troba = [](auto condicio) {
    std::time_t segon = 1800000000;
    while (!condicio(aleatoria(segon))) segon++;
    return segon;
  };
  struct Segon {
    const char *nom;
    std::time_t segon;
  };
  const std::vector<Segon> segons = {
      {"no salesmen", troba([](const Aleatoria &a) { return a.t.empty() && a.p > 0; })},
      {"no products", troba([](const Aleatoria &a) { return !a.t.empty() && a.p == 0; })},
      {"neither", troba([](const Aleatoria &a) { return a.t.empty() && a.p == 0; })},
      {"the largest table drawn", troba([](const Aleatoria &a) { return a.t.size() == 24 && a.p == 24; })},
      {"a first second", 1800000000},
  };
  std::vector<Cas> casos;
  for (const Segon &s : segons) {
    Aleatoria a = aleatoria(s.segon);
    // With no products, 0 is the only product number: 1 is asked again.
    std::string producte = "1\n", preguntes = pregunta_producte(a.p);
    if (a.p <= 1) {
      producte += "0\n";
      preguntes += pregunta_producte(a.p);
    }
    casos.push_back({.nom = std::string(s.nom) + " (" + std::to_string(s.segon) + ")",
                     .entrada = "1\n2\n9\n3\n2\n9\n3\n" + producte + "9\n4\n9\n",
                     .sortida = menu_vendes + submenu + missatge_aleatori(a) + submenu + menu_vendes +
                                millor_venedor(a.t) + menu_vendes + preguntes + total_producte(a.t, a.p <= 1 ? 0 : 1) +
                                menu_vendes + adeu_vendes,
                     .entorn = {{"LD_PRELOAD", HORA_FIXA},
                                {"HORA_FIXA", std::to_string(s.segon)},
                                {"ASAN_OPTIONS", "verify_asan_link_order=0"}}});
  }
  prova::comprova("sales-ledger", casos);
  // The model's tables at those seconds, as the program must print them.
  Aleatoria cap = aleatoria(segons[0].segon);
  EXPECT_EQ(millor_venedor(cap.t), "");
  EXPECT_EQ(total_producte(cap.t, 0), "\n\t\tEl total venut del producte 0 es: 0");
  Aleatoria sense_productes = aleatoria(segons[1].segon);
  std::string tots_a_zero;
  for (std::size_t x = 0; x < sense_productes.t.size(); x++)
    tots_a_zero += "\n\t\tEl venedor " + std::to_string(x) + " te un maxim amb 0 unitats venudes.";
  EXPECT_EQ(millor_venedor(sense_productes.t), tots_a_zero);
}

}  // namespace
