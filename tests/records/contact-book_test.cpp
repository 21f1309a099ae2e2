// The contact book through pipes: every option, the stored files, the report
// and the printer, bad and missing input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "agenda.h"
#include "dialeg.h"
#include "oracles.h"
#include "programa.h"

namespace {

using prova::CarpetaTemporal;
using prova::Cas;
using prova::Fitxers;

const std::string capsalera = "\nNum Nom             Primer cognom   Segon cognom    Telefon   ";
const std::string buida = "\n\n\t\t\t\t[ Agenda buida! ]";
const std::string cap_coincidencia = "\n\n\t\t\t[ no s'han trobat coincidencies! ]";
const std::string entrada_prompts =
    "\nFica el NOM del nou contacte: \nFica el PRIMER COGNOM del nou contacte: \nFica el SEGON COGNOM del nou "
    "contacte: \nFica el TELEFON del nou contacte: ";

std::string fila(int numero, const char *nom, const char *cognom1, const char *cognom2, const char *telefon) {
  char linia[128];
  std::snprintf(linia, sizeof linia, "\n%3d %-15s %-15s %-15s %-10s", numero, nom, cognom1, cognom2, telefon);
  return linia;
}

// A record as the book stores it: number, then the texts in fields of 15,
// 15, 15 and 10 bytes with zeros after them, then the filler byte.
std::string registre(std::int32_t numero, const std::string &nom, const std::string &cognom1,
                     const std::string &cognom2, const std::string &telefon) {
  std::string r(60, '\0');
  for (int i = 0; i < 4; i++) r[i] = static_cast<char>((static_cast<std::uint32_t>(numero) >> (8 * i)) & 0xFF);
  r.replace(4, nom.size(), nom);
  r.replace(19, cognom1.size(), cognom1);
  r.replace(34, cognom2.size(), cognom2);
  r.replace(49, telefon.size(), telefon);
  return r;
}

std::string entra(const std::string &nom, const std::string &c1, const std::string &c2, const std::string &tel) {
  return "1\n" + nom + "\n" + c1 + "\n" + c2 + "\n" + tel + "\n";
}

// Three contacts, numbered 0, 1 and 2.
const std::string tres = entra("Pere", "Puig", "Vila", "931112233") + entra("Anna", "Mas", "Roca", "600100200") +
                         entra("Joan", "Font", "Soler", "972000111");
const std::string tres_menus = menu + entrada_prompts + menu + entrada_prompts + menu + entrada_prompts + menu;
const std::string tres_files = fila(0, "Pere", "Puig", "Vila", "931112233") +
                               fila(1, "Anna", "Mas", "Roca", "600100200") +
                               fila(2, "Joan", "Font", "Soler", "972000111");
const std::string tres_registres = registre(0, "Pere", "Puig", "Vila", "931112233") +
                                   registre(1, "Anna", "Mas", "Roca", "600100200") +
                                   registre(2, "Joan", "Font", "Soler", "972000111");

TEST(ContactBook, MenuListingAndExit) {
  using namespace prova::pas;
  using D = prova::Dialeg;
  const std::string incorrecta = "Opcio incorrecta";
  prova::comprova(
      "contact-book",
      {
          D("exit at once saves an empty book", menu, {tria("0"), diu(adeu)}).despres({{"agenda.dat", ""}}),
          D("empty book listing waits for a key", menu, {tria("3"), pausa(capsalera + buida), tria("0"), diu(adeu)}),
          D("incorrect options", menu,
            {tria("11"), pausa(incorrecta), tria("-1"), pausa(incorrecta), tria("7 extra"), tria("0"), diu(adeu)}),
          D("a reply that is not a number is an incorrect option and its line is dropped", menu,
            {tria("abc 3"), pausa(incorrecta), tria("0"), diu(adeu)}),
          D("the rest of the option line is dropped", menu,
            {tria("3 1 2"), pausa(capsalera + buida), tria("0"), diu(adeu)}),
      });
}

TEST(ContactBook, EnteringContacts) {
  prova::comprova(
      "contact-book",
      {
          {.nom = "three contacts numbered from 0, listed in order and saved",
           .entrada = tres + "3\nk0\n",
           .sortida = tres_menus + capsalera + tres_files + menu + adeu,
           .despres = Fitxers {{"agenda.dat", tres_registres}}},
          {.nom = "the name loses its blanks, surnames keep theirs",
           .entrada = entra(" Anna Maria ", "de la Pena", "i Mas", "93 123") + "3\nk0\n",
           .sortida = menu + entrada_prompts + menu + capsalera +
                      fila(0, "AnnaMaria", "de la Pena", "i Mas", "93 123") + menu + adeu,
           .despres = Fitxers {{"agenda.dat", registre(0, "AnnaMaria", "de la Pena", "i Mas", "93 123")}}},
          {.nom = "long texts keep their first characters and never spill into the next prompt",
           .entrada =
               entra("Abcdefgh ijklmnopqrst", "Cognomquetesmesdecatorze", "Segonquetambeesllarg", "1234567890123") +
               "3\nk0\n",
           .sortida = menu + entrada_prompts + menu + capsalera +
                      fila(0, "Abcdefghijklmn", "Cognomquetesme", "Segonquetambee", "123456789") + menu + adeu,
           .despres = Fitxers {{"agenda.dat",
                                registre(0, "Abcdefghijklmn", "Cognomquetesme", "Segonquetambee", "123456789")}}},
          {.nom = "end of input while entering: the unfinished contact is not kept",
           .entrada = "1\nPere\nPuig",
           .sortida = menu +
                      "\nFica el NOM del nou contacte: \nFica el PRIMER COGNOM del nou contacte: "
                      "\nFica el SEGON COGNOM del nou contacte: " +
                      adeu,
           .despres = Fitxers {{"agenda.dat", ""}}},
      });
}

TEST(ContactBook, AFullBookTakesNoMore) {
  std::string entrada, sortida = menu, files, registres;
  for (int i = 0; i < 10; i++) {
    std::string nom = "Nom" + std::to_string(i);
    entrada += entra(nom, "C", "D", "1");
    sortida += entrada_prompts + menu;
    files += fila(i, nom.c_str(), "C", "D", "1");
    registres += registre(i, nom, "C", "D", "1");
  }
  prova::comprova("contact-book", {
                                      {.nom = "option 1 with ten contacts",
                                       .entrada = entrada + "1\nk3\nk0\n",
                                       .sortida = sortida + "\nL'agenda es plena: no hi caben mes de 10 contactes!\n" +
                                                  menu + capsalera + files + menu + adeu,
                                       .despres = Fitxers {{"agenda.dat", registres}}},
                                  });
}

TEST(ContactBook, Deleting) {
  const std::string pregunta = "\nFica el numero del contacte a esborrar: ";
  prova::comprova("contact-book",
                  {
                      {.nom = "deleting the first of three keeps the others in order with their numbers",
                       .entrada = tres + "2\n0\nk3\nk0\n",
                       .sortida = tres_menus + capsalera + tres_files + pregunta + "\nContacte numero 0 esborrat!" +
                                  menu + capsalera + fila(1, "Anna", "Mas", "Roca", "600100200") +
                                  fila(2, "Joan", "Font", "Soler", "972000111") + menu + adeu,
                       .despres = Fitxers {{"agenda.dat", tres_registres.substr(60)}}},
                      {.nom = "a number no contact has",
                       .entrada = tres + "2\n7\nk0\n",
                       .sortida = tres_menus + capsalera + tres_files + pregunta +
                                  "\nNo s'ha trobat el contacte numero 7!" + menu + adeu},
                      {.nom = "a reply that is not a number deletes nothing",
                       .entrada = tres + "2\nx1\nk0\n",
                       .sortida = tres_menus + capsalera + tres_files + pregunta +
                                  "\nAixo no es un numero: no s'ha esborrat cap contacte!" + menu + adeu,
                       .despres = Fitxers {{"agenda.dat", tres_registres}}},
                      {.nom = "an empty book still reads a number",
                       .entrada = "2\n5\nk0\n",
                       .sortida = menu + capsalera + buida + "No hi han contactes encara!" +
                                  "\nNo s'ha trobat el contacte numero 5!" + menu + adeu},
                      {.nom = "numbers are not reused after a deletion",
                       .entrada = entra("A", "A", "A", "1") + "2\n0\nk" + entra("B", "B", "B", "2") + "3\nk0\n",
                       .sortida = menu + entrada_prompts + menu + capsalera + fila(0, "A", "A", "A", "1") + pregunta +
                                  "\nContacte numero 0 esborrat!" + menu + entrada_prompts + menu + capsalera +
                                  fila(1, "B", "B", "B", "2") + menu + adeu},
                      {.nom = "end of input at the number",
                       .entrada = tres + "2\n",
                       .sortida = tres_menus + capsalera + tres_files + pregunta + adeu,
                       .despres = Fitxers {{"agenda.dat", tres_registres}}},
                  });
}

TEST(ContactBook, Searching) {
  const std::string per_nom = "Fica el nom del contacte a cercar: ";
  const std::string per_cognom = "Fica el primer cognom del contacte a cercar: ";
  const std::string per_telefon = "Fica el telefon del contacte a cercar: ";
  const std::string llibre = entra("Anna Maria", "Pla", "Puig", "931234567") +
                             entra("Maria", "Plana", "Roig", "600930000") + entra("Pere", "Mas", "Pla", "972111222");
  const std::string menus = menu + entrada_prompts + menu + entrada_prompts + menu + entrada_prompts + menu;
  const std::string f0 = fila(0, "AnnaMaria", "Pla", "Puig", "931234567");
  const std::string f1 = fila(1, "Maria", "Plana", "Roig", "600930000");
  const std::string f2 = fila(2, "Pere", "Mas", "Pla", "972111222");
  prova::comprova(
      "contact-book",
      {
          {.nom = "a name with its blank finds nothing; without case finds both",
           .entrada = llibre + "4\nanna maria\nk4\nMARIA\nk0\n",
           .sortida =
               menus + per_nom + capsalera + cap_coincidencia + menu + per_nom + capsalera + f0 + f1 + menu + adeu},
          {.nom = "first surname, as a part of the field",
           .entrada = llibre + "5\npla\nk0\n",
           .sortida = menus + per_cognom + capsalera + f0 + f1 + menu + adeu},
          {.nom = "the second surname is not searched",
           .entrada = llibre + "5\nRoig\nk0\n",
           .sortida = menus + per_cognom + capsalera + cap_coincidencia + menu + adeu},
          {.nom = "telephone digits together anywhere",
           .entrada = llibre + "6\n93\nk0\n",
           .sortida = menus + per_telefon + capsalera + f0 + f1 + menu + adeu},
          {.nom = "an empty text lists every contact",
           .entrada = llibre + "4\n\nk0\n",
           .sortida = menus + per_nom + capsalera + f0 + f1 + f2 + menu + adeu},
          {.nom = "a long search text is cut to 44 characters",
           .entrada = llibre + "6\n" + std::string(60, '9') + "\nk0\n",
           .sortida = menus + per_telefon + capsalera + cap_coincidencia + menu + adeu},
          {.nom = "search on an empty book",
           .entrada = "4\nx\nk0\n",
           .sortida = menu + per_nom + capsalera + cap_coincidencia + menu + adeu},
          {.nom = "end of input at the search text", .entrada = "6\n", .sortida = menu + per_telefon + adeu},
      });
}

TEST(ContactBook, Sorting) {
  prova::comprova(
      "contact-book",
      {
          {.nom = "first surnames entered in descending order come out ascending",
           .entrada = entra("C", "Vila", "X", "3") + entra("B", "Puig", "X", "2") + entra("A", "Font", "X", "1") +
                      "7\n3\nk0\n",
           .sortida = menu + entrada_prompts + menu + entrada_prompts + menu + entrada_prompts + menu + menu +
                      capsalera + fila(2, "A", "Font", "X", "1") + fila(1, "B", "Puig", "X", "2") +
                      fila(0, "C", "Vila", "X", "3") + menu + adeu,
           .despres = Fitxers {{"agenda.dat", registre(2, "A", "Font", "X", "1") + registre(1, "B", "Puig", "X", "2") +
                                                  registre(0, "C", "Vila", "X", "3")}}},
          {.nom = "Pla sorts before Plana; keys equal but for case keep their order",
           .entrada = entra("Pep", "Plana", "A", "1") + entra("pep", "pla", "a", "1") + entra("PEP", "PLA", "A", "1") +
                      "7\n3\nk0\n",
           .sortida = menu + entrada_prompts + menu + entrada_prompts + menu + entrada_prompts + menu + menu +
                      capsalera + fila(1, "pep", "pla", "a", "1") + fila(2, "PEP", "PLA", "A", "1") +
                      fila(0, "Pep", "Plana", "A", "1") + menu + adeu},
          {.nom = "the whole key decides: second surname, then name, then telephone",
           .entrada = entra("B", "Pla", "Mas", "2") + entra("B", "Pla", "Mas", "1") + entra("A", "Pla", "Mas", "9") +
                      entra("Z", "Pla", "Abad", "9") + "7\n3\nk0\n",
           .sortida = menu + entrada_prompts + menu + entrada_prompts + menu + entrada_prompts + menu +
                      entrada_prompts + menu + menu + capsalera + fila(3, "Z", "Pla", "Abad", "9") +
                      fila(2, "A", "Pla", "Mas", "9") + fila(1, "B", "Pla", "Mas", "1") +
                      fila(0, "B", "Pla", "Mas", "2") + menu + adeu},
          {.nom = "sorting an empty book", .entrada = "7\n0\n", .sortida = menu + menu + adeu},
      });
}

TEST(ContactBook, LoadingAtStartAndWithOption8) {
  std::string sense_final = registre(5, "", "", "", "");
  sense_final.replace(4, 15, "ABCDEFGHIJKLMNO");  // no terminator in the name field
  sense_final.replace(49, 11, "12345678901");     // nor in the telephone, nor before the filler
  const std::string deu = [] {
    std::string r;
    for (int i = 0; i < 12; i++) r += registre(i, "N" + std::to_string(i), "C", "D", "1");
    return r;
  }();
  std::string deu_files;
  for (int i = 0; i < 10; i++) deu_files += fila(i, ("N" + std::to_string(i)).c_str(), "C", "D", "1");

  prova::comprova(
      "contact-book",
      {
          {.nom = "the book starts with the stored contacts",
           .entrada = "3\nk0\n",
           .sortida = menu + capsalera + tres_files + menu + adeu,
           .abans = Fitxers {{"agenda.dat", tres_registres}},
           .despres = Fitxers {{"agenda.dat", tres_registres}}},
          {.nom = "a new contact is numbered after the highest stored number",
           .entrada = entra("Nou", "N", "N", "1") + "3\nk0\n",
           .sortida = menu + entrada_prompts + menu + capsalera + fila(7, "A", "A", "A", "1") +
                      fila(2, "B", "B", "B", "2") + fila(8, "Nou", "N", "N", "1") + menu + adeu,
           .abans = Fitxers {{"agenda.dat", registre(7, "A", "A", "A", "1") + registre(2, "B", "B", "B", "2")}}},
          {.nom = "130 bytes load two records",
           .entrada = "3\nk0\n",
           .sortida = menu + capsalera + tres_files.substr(0, 2 * 63) + menu + adeu,
           .abans = Fitxers {{"agenda.dat", tres_registres.substr(0, 130)}}},
          {.nom = "720 bytes load the first ten",
           .entrada = "3\nk0\n",
           .sortida = menu + capsalera + deu_files + menu + adeu,
           .abans = Fitxers {{"agenda.dat", deu}}},
          {.nom = "a text without its terminator is cut at its field's last byte",
           .entrada = "3\nk0\n",
           .sortida = menu + capsalera + fila(5, "ABCDEFGHIJKLMN", "", "", "123456789") + menu + adeu,
           .abans = Fitxers {{"agenda.dat", sense_final}}},
          {.nom = "option 8 with no file leaves the table",
           .entrada = entra("A", "A", "A", "1") + "8\nk3\nk0\n",
           .sortida = menu + entrada_prompts + menu + "\nNo es pot obrir l'arxiu agenda.dat!\n" + menu + capsalera +
                      fila(0, "A", "A", "A", "1") + menu + adeu},
          {.nom = "option 8 with an empty file empties the book",
           .entrada = "8\nk3\nk0\n",
           .sortida = menu + "\nNo existeixen dades en agenda.dat!\n" + menu + capsalera + buida + menu + adeu,
           .abans = Fitxers {{"agenda.dat", tres_registres.substr(0, 59)}},
           .despres = Fitxers {{"agenda.dat", ""}}},
          {.nom = "option 8 reloads what option 9 saved, and numbering goes on above it",
           .entrada = entra("A", "A", "A", "1") + "9\nk2\n0\nk8\nk" + entra("B", "B", "B", "2") + "3\nk0\n",
           .sortida = menu + entrada_prompts + menu + "\nFixter guardat!\n" + menu + capsalera +
                      fila(0, "A", "A", "A", "1") + "\nFica el numero del contacte a esborrar: " +
                      "\nContacte numero 0 esborrat!" + menu + "\nFitxer carregat!\n" + menu + entrada_prompts + menu +
                      capsalera + fila(0, "A", "A", "A", "1") + fila(1, "B", "B", "B", "2") + menu + adeu},
      });
}

TEST(ContactBook, SaveThenLoadRoundTrip) {
  CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = "contact-book", .entrada = tres + "0\n", .carpeta = carpeta.cami()});
  EXPECT_EQ(r.estat, 0);
  EXPECT_EQ(carpeta.llegeix("agenda.dat").size(), 180u);
  r = prova::executa({.programa = "contact-book", .entrada = "3\nk0\n", .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, menu + capsalera + tres_files + menu + adeu);
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), tres_registres);
}

// A failed save says so and leaves the previous file as it was (more in
// contact-book_desa_test).
TEST(ContactBook, AFailedSaveKeepsThePreviousFile) {
  const std::string no_obert = "\nNo es pot obrir l'arxiu agenda.dat!\n";
  {
    SCOPED_TRACE("the old file cannot be replaced");
    CarpetaTemporal carpeta;
    std::filesystem::create_directories(carpeta.cami("agenda.dat/dins"));
    auto r = prova::executa({.programa = "contact-book", .entrada = "0\n", .carpeta = carpeta.cami()});
    EXPECT_EQ(prova::visible(r.sortida), prova::visible(menu + no_obert + "\n\tAdeu!"));
    EXPECT_TRUE(std::filesystem::is_directory(carpeta.cami("agenda.dat/dins")));
    EXPECT_FALSE(carpeta.existeix("agenda.dat.tmp"));
  }
}

// The report goes to "agenda.txt" with CR LF, and to the printer as it is.
class Informe : public ::testing::Test {
 protected:
  // A stand-in spooler on PATH that keeps what it is given.
  std::vector<std::pair<std::string, std::string>> amb_lp() {
    return cua("/bin/cat >> '" + cua_.cami("imprès") + "'\n");
  }
  // A spooler on PATH running that shell script.
  std::vector<std::pair<std::string, std::string>> cua(const std::string &guio) {
    std::string cami = cua_.cami("lp");
    FILE *f = std::fopen(cami.c_str(), "w");
    std::fprintf(f, "#!/bin/sh\n%s", guio.c_str());
    std::fclose(f);
    chmod(cami.c_str(), 0755);
    return {{"PATH", cua_.cami()}};
  }
  std::string imprès() { return cua_.existeix("imprès") ? cua_.llegeix("imprès") : "(res)"; }

  CarpetaTemporal cua_;
};

const std::string informe_tres = "Num Nom             Primer cognom   Segon cognom    Telefon   " + tres_files;
using prova::amb_crlf;

const std::string pregunta_informe = "\nInforme generat! Vols imprimir-lo? (s/n) ";

TEST_F(Informe, WrittenAndPrintedOnYes) {
  auto entorn = amb_lp();
  prova::comprova("contact-book",
                  {
                      {.nom = "s prints",
                       .entrada = tres + "10\ns\n0\n",
                       .sortida = tres_menus + pregunta_informe + menu + adeu,
                       .despres = Fitxers {{"agenda.dat", tres_registres}, {"agenda.txt", amb_crlf(informe_tres)}},
                       .entorn = entorn},
                  });
  EXPECT_EQ(imprès(), informe_tres);
}

TEST_F(Informe, UpperCaseSPrintsToo) {
  auto entorn = amb_lp();
  prova::comprova(
      "contact-book",
      {{.nom = "S", .entrada = "10\nS\n0\n", .sortida = menu + pregunta_informe + menu + adeu, .entorn = entorn}});
  EXPECT_EQ(imprès(), "Num Nom             Primer cognom   Segon cognom    Telefon   ");
}

TEST_F(Informe, AnyOtherAnswerPrintsNothing) {
  auto entorn = amb_lp();
  prova::comprova("contact-book",
                  {
                      {.nom = "n",
                       .entrada = tres + "10\nn\n0\n",
                       .sortida = tres_menus + pregunta_informe + menu + adeu,
                       .entorn = entorn},
                      {.nom = "Enter",
                       .entrada = tres + "10\n\n0\n",
                       .sortida = tres_menus + pregunta_informe + menu + adeu,
                       .entorn = entorn},
                      {.nom = "end of input at the question",
                       .entrada = tres + "10\n",
                       .sortida = tres_menus + pregunta_informe + adeu,
                       .despres = Fitxers {{"agenda.dat", tres_registres}, {"agenda.txt", amb_crlf(informe_tres)}},
                       .entorn = entorn},
                  });
  EXPECT_EQ(imprès(), "(res)");
}

TEST_F(Informe, EmptyBookReportIsTheHeaderAlone) {
  auto entorn = amb_lp();
  CarpetaTemporal carpeta;
  auto r = prova::executa(
      {.programa = "contact-book", .entrada = "10\nn\n0\n", .carpeta = carpeta.cami(), .entorn = entorn});
  EXPECT_EQ(r.estat, 0);
  std::string informe = carpeta.llegeix("agenda.txt");
  EXPECT_EQ(informe.size(), 62u);
  EXPECT_EQ(informe, "Num Nom             Primer cognom   Segon cognom    Telefon   ");
}

// Without lp or lpr the report is still written and the question asked; only
// a yes reaches for the printer, and then the program ends with its error.
TEST(ContactBookPrinter, WithoutASpoolerOnlyAYesIsAnError) {
  CarpetaTemporal sense_cua;
  const Fitxers desats {{"agenda.dat", tres_registres}, {"agenda.txt", amb_crlf(informe_tres)}};
  prova::comprova("contact-book", {
                                      {.nom = "n",
                                       .entrada = tres + "10\nn\n0\n",
                                       .sortida = tres_menus + pregunta_informe + menu + adeu,
                                       .abans = {{"agenda.txt", "l'informe d'abans"}},
                                       .despres = desats,
                                       .entorn = {{"PATH", sense_cua.cami()}}},
                                      {.nom = "s",
                                       .entrada = tres + "10\ns\n0\n",
                                       .sortida = tres_menus + pregunta_informe,
                                       .estat = 1,
                                       .despres = desats,
                                       .errors = "Could not open \"prn\" for output: No such file or directory\n",
                                       .entorn = {{"PATH", sense_cua.cami()}}},
                                  });
}

// A spooler that refuses the job: the program ends with what it said.
TEST_F(Informe, TheSpoolersOwnComplaintIsTheError) {
  auto entorn = cua("/bin/cat > /dev/null\necho 'lp: Error - No default destination.' >&2\nexit 1\n");
  prova::comprova("contact-book",
                  {
                      {.nom = "no default destination",
                       .entrada = tres + "10\ns\n0\n",
                       .sortida = tres_menus + pregunta_informe,
                       .estat = 1,
                       .despres = Fitxers {{"agenda.dat", tres_registres}, {"agenda.txt", amb_crlf(informe_tres)}},
                       .errors = "Could not print on \"prn\": lp: Error - No default destination.\n",
                       .entorn = entorn},
                  });
}

// What a spooler that did print says on its error output is passed on.
TEST_F(Informe, ASpoolersWarningAfterPrintingIsPassedOn) {
  auto entorn = cua("/bin/cat > '" + cua_.cami("imprès") + "'\necho 'lp: avis' >&2\n");
  prova::comprova("contact-book", {{.nom = "warning",
                                    .entrada = "10\ns\n0\n",
                                    .sortida = menu + pregunta_informe + menu + adeu,
                                    .errors = "lp: avis\n",
                                    .entorn = entorn}});
  EXPECT_EQ(imprès(), "Num Nom             Primer cognom   Segon cognom    Telefon   ");
}

}  // namespace
