// The argument-driven and binary file programs through pipes: file-upcase,
// the double writer and reader, word-repeat, argument-mean, goodbye-stub.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

namespace fs = std::filesystem;
using prova::CarpetaTemporal;
using prova::Cas;
using prova::Fitxers;

const std::string adeu_fitxers = "\n\nAdeu!";
const std::string pregunta_nom = "Fica el nom de l'arxiu on guardarem les dades: ";

// ---------------------------------------------------------------- file-upcase

// The report for a file, line by line as the program describes each byte.
std::string informe(const std::string &contingut) {
  std::string r = "\nL'arxiu te: " + std::to_string(contingut.size()) + " bytes\n";
  for (std::size_t i = 0; i < contingut.size(); i++) {
    char c = contingut[i];
    r += "\n[byte " + std::to_string(i) + "] Analitzant '" + c + "'...";
    if (c >= 'a' && c <= 'z')
      r += "\n[byte " + std::to_string(i) + "] Canviem '" + c + "' per '" + static_cast<char>(c - 32) + "'";
  }
  return r + adeu_fitxers;
}

// What coreutils' tr makes of the bytes in the C locale.
std::string majuscules_tr(const std::string &contingut) {
  CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = "/usr/bin/tr",
                           .entrada = contingut,
                           .arguments = {"a-z", "A-Z"},
                           .carpeta = carpeta.cami(),
                           .entorn = {{"LC_ALL", "C"}}});
  EXPECT_EQ(r.estat, 0);
  return r.sortida;
}

TEST(FileUpcase, EveryByteValueAgainstTr) {
  std::string tots;
  for (int b = 0; b < 256; b++) tots.push_back(static_cast<char>(b));
  std::mt19937 generador(5);
  std::string atzar;
  for (int i = 0; i < 70000; i++) atzar.push_back(static_cast<char>(generador()));
  std::vector<Cas> casos;
  for (const auto &[nom, contingut] :
       std::vector<std::pair<std::string, std::string>> {{"bytes 0 to 255", tots},
                                                         {"70,000 random bytes, more than a block", atzar},
                                                         {"the five bytes abcZ\\n", "abcZ\n"},
                                                         {"CR LF counts two bytes", "a\r\nb\r\n"},
                                                         {"neighbours of the letters", "`{@[\x80\xE1\xFF"},
                                                         {"empty file", ""}})
    casos.push_back({.nom = nom,
                     .entrada = "",
                     .sortida = informe(contingut),
                     .arguments = {"f.txt"},
                     .abans = {{"f.txt", contingut}},
                     .despres = Fitxers {{"f.txt", majuscules_tr(contingut)}}});
  casos.push_back({.nom = "no argument",
                   .entrada = "",
                   .sortida = "\nParametres insuficients!\n",
                   .estat = 255,
                   .despres = Fitxers {}});
  casos.push_back({.nom = "missing file is not created",
                   .entrada = "",
                   .sortida = "\nNo existeix l'arxiu nohiha.txt!\n",
                   .estat = 255,
                   .arguments = {"nohiha.txt"},
                   .despres = Fitxers {}});
  prova::comprova("file-upcase", casos);
}

// A file its user may read but not write is left as it is.
TEST(FileUpcase, AFileThatCannotBeModified) {
  CarpetaTemporal carpeta;
  fs::permissions(carpeta.cami(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  carpeta.escriu("f.txt", "abc");
  fs::permissions(carpeta.cami("f.txt"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  auto r = prova::executa(
      {.programa = "/usr/bin/setpriv",
       .entrada = "",
       .arguments = {"--reuid=65534", "--regid=65534", "--clear-groups", prova::cami_programa("file-upcase"), "f.txt"},
       .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, "\nNo es pot modificar l'arxiu f.txt!\n");
  EXPECT_EQ(r.estat, 255) << r.errors;
  EXPECT_EQ(carpeta.llegeix("f.txt"), "abc");
}

// ------------------------------------------------------ double writer/reader

std::string bytes_de(const std::vector<double> &valors) {
  std::string r;
  for (double v : valors) {
    auto bits = std::bit_cast<std::uint64_t>(v);
    for (int k = 0; k < 8; k++) r.push_back(static_cast<char>(bits >> (8 * k)));  // little-endian
  }
  return r;
}

std::string preguntes_valor(int des_de, int fins_a) {
  std::string r;
  for (int x = des_de; x <= fins_a; x++) r += "Fica el valor #" + std::to_string(x) + " double: ";
  return r;
}

TEST(DoubleWriter, StoresRawLittleEndianDoubles) {
  ASSERT_EQ(bytes_de({1.5}), std::string("\0\0\0\0\0\0\xF8\x3F", 8));
  std::string cent_cinc;
  std::vector<double> cent;
  for (int i = 0; i < 105; i++) {
    cent_cinc += std::to_string(i) + ".25\n";
    if (i < 100) cent.push_back(i + 0.25);
  }
  const std::string nom_llarg(300, 'n');
  prova::comprova("double-writer",
                  {
                      {.nom = "round trip with exact parsing",
                       .entrada = "d.bin\n1.5\n0.1\n-2e-300\n1e308\n-1\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 4) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de({1.5, 0.1, -2e-300, 1e308})}}},
                      {.nom = "only -1 exactly ends",
                       .entrada = "d.bin\n-1.0000001\n-0.999\n-1.0\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 2) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de({-1.0000001, -0.999})}}},
                      {.nom = "-1 first gives an empty file",
                       .entrada = "d.bin\n-1\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 0) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", ""}}},
                      {.nom = "stops after 100 values",
                       .entrada = "d.bin\n" + cent_cinc,
                       .sortida = pregunta_nom + preguntes_valor(0, 99) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de(cent)}}},
                      {.nom = "values on one line",
                       .entrada = "d.bin\n1 2 -1 3\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 2) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de({1, 2})}}},
                      {.nom = "non-numbers ask the same value again",
                       .entrada = "d.bin\nabc\n\n7\nx 8\n-1\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 0) + preguntes_valor(0, 1) + preguntes_valor(1, 1) +
                                  adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de({7})}}},
                      {.nom = "end of input at a value keeps what was stored",
                       .entrada = "d.bin\n3\n4",
                       .sortida = pregunta_nom + preguntes_valor(0, 2) + adeu_fitxers,
                       .despres = Fitxers {{"d.bin", bytes_de({3, 4})}}},
                      {.nom = "end of input at the name",
                       .entrada = "",
                       .sortida = pregunta_nom + adeu_fitxers,
                       .despres = Fitxers {}},
                      {.nom = "existing and uncreatable names ask again",
                       .entrada = "vell.bin\nnohiha/x.bin\nd.bin\n-1\n",
                       .sortida = pregunta_nom + "L'arxiu ja existeix!\n" + pregunta_nom +
                                  "L'arxiu no es pot crear!\n" + pregunta_nom + preguntes_valor(0, 0) + adeu_fitxers,
                       .abans = {{"vell.bin", "vell"}},
                       .despres = Fitxers {{"vell.bin", "vell"}, {"d.bin", ""}}},
                      {.nom = "a 300-character name keeps 221",
                       .entrada = nom_llarg + "\n2.5\n-1\n",
                       .sortida = pregunta_nom + preguntes_valor(0, 1) + adeu_fitxers,
                       .despres = Fitxers {{nom_llarg.substr(0, 221), bytes_de({2.5})}}},
                  });
}

// A named pipe under the name is never opened (that would wait for a
// writer): it is a name that cannot be created.
TEST(DoubleWriter, ANamedPipeIsANameThatCannotBeCreated) {
  CarpetaTemporal carpeta;
  ASSERT_EQ(mkfifo(carpeta.cami("canal").c_str(), 0600), 0);
  auto r = prova::executa({.programa = "double-writer",
                           .entrada = "canal\nd.bin\n-1\n",
                           .carpeta = carpeta.cami(),
                           .temps_maxim_ms = 10000});
  EXPECT_FALSE(r.temps_esgotat);
  EXPECT_EQ(r.sortida,
            pregunta_nom + "L'arxiu no es pot crear!\n" + pregunta_nom + preguntes_valor(0, 0) + adeu_fitxers);
  EXPECT_EQ(carpeta.fitxers(), (prova::Fitxers {{"d.bin", ""}}));
}

// Under a file size limit of 0 the file is created but takes no value: the
// goodbye gives way to the failure.
TEST(DoubleWriter, AWriteFailureIsTold) {
  CarpetaTemporal carpeta;
  auto r = prova::executa(
      {.programa = "/bin/sh",
       .entrada = "d.bin\n1\n2\n-1\n",
       .arguments = {"-c", "ulimit -f 0; trap '' XFSZ; exec \"$0\"", prova::cami_programa("double-writer")},
       .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, pregunta_nom + preguntes_valor(0, 2) + "L'arxiu no s'ha pogut escriure!\n");
  EXPECT_EQ(r.estat, 255);
}

TEST(DoubleReader, ListsWholeValuesOnly) {
  std::vector<double> cent_u;
  std::string llista;
  for (int i = 0; i < 101; i++) {
    cent_u.push_back(i * 1.5);
    if (i < 100) {
      char linia[64];
      std::snprintf(linia, sizeof linia, "\nValor #%d = %f", i, i * 1.5);
      llista += linia;
    }
  }
  const std::string nom_llarg(300, 'n');
  prova::comprova(
      "double-reader",
      {
          {.nom = "12 bytes: one value",
           .entrada = "d.bin\n",
           .sortida = pregunta_nom + "\nValor #0 = 1.500000" + adeu_fitxers,
           .abans = {{"d.bin", bytes_de({1.5}) + "abcd"}}},
          {.nom = "101 values: the first 100",
           .entrada = "d.bin\n",
           .sortida = pregunta_nom + llista + adeu_fitxers,
           .abans = {{"d.bin", bytes_de(cent_u)}}},
          {.nom = "six decimals",
           .entrada = "d.bin\n",
           .sortida = pregunta_nom + "\nValor #0 = -0.000000\nValor #1 = 2.718282" + adeu_fitxers,
           .abans = {{"d.bin", bytes_de({-1e-9, 2.7182818})}}},
          {.nom = "empty file", .entrada = "d.bin\n", .sortida = pregunta_nom + adeu_fitxers, .abans = {{"d.bin", ""}}},
          {.nom = "missing file and a folder ask again",
           .entrada = "nohiha\n.\nd.bin\n",
           .sortida = pregunta_nom + "L'arxiu no existeix!\n" + pregunta_nom + "L'arxiu no existeix!\n" + pregunta_nom +
                      "\nValor #0 = 3.000000" + adeu_fitxers,
           .abans = {{"d.bin", bytes_de({3})}}},
          {.nom = "end of input at the name",
           .entrada = "nohiha\n",
           .sortida = pregunta_nom + "L'arxiu no existeix!\n" + pregunta_nom + adeu_fitxers},
          {.nom = "a 300-character name keeps 221",
           .entrada = nom_llarg + "\n",
           .sortida = pregunta_nom + "\nValor #0 = 4.000000" + adeu_fitxers,
           .abans = {{nom_llarg.substr(0, 221), bytes_de({4})}}},
      });
}

// ---------------------------------------------------------------- word-repeat

TEST(WordRepeat, CountsConvertedAsTheOriginalRuntime) {
  const std::string dolent = "\nEl segon parametre ha de ser un numero!\n";
  const std::string pocs = "\nParametres insuficients!\n";
  std::vector<Cas> casos = {
      {.nom = "ab 3", .entrada = "", .sortida = "ababab\n", .arguments = {"ab", "3"}},
      {.nom = "leading blank", .entrada = "", .sortida = "abab\n", .arguments = {"ab", " 2"}},
      {.nom = "plus sign", .entrada = "", .sortida = "abab\n", .arguments = {"ab", "+2"}},
      {.nom = "digits up to the first other", .entrada = "", .sortida = "ababab\n", .arguments = {"ab", "3x"}},
      {.nom = "empty word", .entrada = "", .sortida = "\n", .arguments = {"", "3"}},
      {.nom = "Mot 1000",
       .entrada = "",
       .sortida =
           [] {
             std::string r;
             for (int i = 0; i < 1000; i++) r += "Mot";
             return r + "\n";
           }(),
       .arguments = {"Mot", "1000"}},
      {.nom = "no arguments", .entrada = "", .sortida = pocs},
      {.nom = "one argument", .entrada = "", .sortida = pocs, .arguments = {"ab"}},
  };
  for (const char *n : {"0", "x", "-2", "", "-99999999999", "-4294967295"})
    casos.push_back(
        {.nom = std::string("count '") + n + "'", .entrada = "", .sortida = dolent, .arguments = {"ab", n}});
  prova::comprova("word-repeat", casos);
}

// Beyond int the count stays at 2,147,483,647 (wrapping would give 3 copies
// of "Mot" for 4294967299); only the start is looked at.
TEST(WordRepeat, HugeCountsSaturate) {
  CarpetaTemporal carpeta;
  for (const char *n : {"99999999999", "4294967299"}) {
    auto r =
        prova::executa({.programa = "/bin/sh",
                        .entrada = "",
                        .arguments = {"-c", "\"$0\" Mot \"$1\" | head -c 3000", prova::cami_programa("word-repeat"), n},
                        .carpeta = carpeta.cami()});
    std::string esperat;
    for (int i = 0; i < 1000; i++) esperat += "Mot";
    EXPECT_EQ(r.sortida, esperat) << n;
  }
}

// -------------------------------------------------------------- argument-mean

std::string suma_i_mitjana(const std::vector<std::string> &arguments) {
  float suma = 0;
  for (const auto &a : arguments) suma += static_cast<float>(std::atof(a.c_str()));
  float mitjana = suma / static_cast<float>(arguments.size());
  char text[128];
  std::snprintf(text, sizeof text, "\nLa suma es: %g\n\nMitjana: %g\n", static_cast<double>(suma),
                static_cast<double>(mitjana));
  return text;
}

TEST(ArgumentMean, SingleFloatSumAndMean) {
  auto cas = [](std::string nom, std::vector<std::string> a, std::string sortida) {
    return Cas {.nom = std::move(nom), .entrada = "", .sortida = std::move(sortida), .arguments = std::move(a)};
  };
  std::vector<std::string> noranta_nou, cent_cinquanta, decims(30, "0.1");
  for (int i = 1; i <= 150; i++) (i <= 99 ? noranta_nou : cent_cinquanta).push_back(std::to_string(i));
  cent_cinquanta.insert(cent_cinquanta.begin(), noranta_nou.begin(), noranta_nou.end());
  prova::comprova(
      "argument-mean",
      {
          cas("text counts as 0", {"3abc", "abc", "1e2"}, "\nLa suma es: 103\n\nMitjana: 34.3333\n"),
          cas("six significant digits", {"1000000", "234567"}, "\nLa suma es: 1.23457e+06\n\nMitjana: 617284\n"),
          cas("rounded to float after each addition", {"1e8", "1", "-1e8"}, "\nLa suma es: 0\n\nMitjana: 0\n"),
          cas("1, 2, 4", {"1", "2", "4"}, "\nLa suma es: 7\n\nMitjana: 2.33333\n"),
          cas("99 numbers", noranta_nou, "\nLa suma es: 4950\n\nMitjana: 50\n"),
          cas("150 numbers: the mean of all", cent_cinquanta, "\nLa suma es: 11325\n\nMitjana: 75.5\n"),
          cas("tenths against a float model", decims, suma_i_mitjana(decims)),
          cas("beyond single precision", {"1e39", "hex", "0x10"}, "\nLa suma es: inf\n\nMitjana: inf\n"),
          cas("no argument", {}, "\nParametres insuficients!\n"),
      });
}

TEST(GoodbyeStub, SaysGoodbyeAndPausesOnce) {
  prova::comprova("goodbye-stub",
                  {{.nom = "no input", .entrada = "", .sortida = adeu_fitxers},
                   {.nom = "one key", .entrada = "x", .sortida = adeu_fitxers, .entrada_oberta = true}});
}

}  // namespace
