// The launcher through pipes: its options, its list, the one working folder
// every program shares, and the line interface a script drives.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::CarpetaTemporal;

std::vector<std::string> linies(const std::string &text) {
  std::vector<std::string> r;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) r.push_back(l);
  return r;
}

std::vector<std::string> camps(const std::string &linia) {
  std::vector<std::string> r;
  std::istringstream in(linia);
  for (std::string c; std::getline(in, c, '\t');) r.push_back(c);
  return r;
}

bool conte(const std::string &text, const std::string &tros) { return text.find(tros) != std::string::npos; }

prova::Resultat portafoli(const CarpetaTemporal &carpeta, std::vector<std::string> arguments,
                          const std::string &entrada = "") {
  return prova::executa({.programa = "portafoli",
                         .entrada = entrada,
                         .arguments = std::move(arguments),
                         .carpeta = carpeta.cami(),
                         .entorn = {{"HOME", carpeta.cami()}}});
}

// The program's number in the list (1 for the first line of --list).
std::string numero_de(const std::string &nom) {
  CarpetaTemporal carpeta;
  std::vector<std::string> l = linies(portafoli(carpeta, {"--list"}).sortida);
  for (std::size_t i = 0; i < l.size(); i++)
    if (camps(l[i]).at(0) == nom) return std::to_string(i + 1);
  return "";
}

TEST(PortafoliList, NamesExactlyTheBuiltProgramsWithSubsystemAndDescription) {
  CarpetaTemporal carpeta;
  prova::Resultat r = portafoli(carpeta, {"--list"});
  EXPECT_EQ(r.estat, 0);
  std::set<std::string> llistats, construits;
  std::istringstream noms(PROGRAMES_CONSTRUITS);
  for (std::string nom; std::getline(noms, nom, ',');) construits.insert(nom);
  for (const std::string &l : linies(r.sortida)) {
    std::vector<std::string> c = camps(l);
    ASSERT_EQ(c.size(), 3u) << l;
    EXPECT_TRUE(llistats.insert(c[0]).second) << "listed twice: " << c[0];
    EXPECT_FALSE(c[1].empty());
    EXPECT_FALSE(c[2].empty()) << c[0] << " has no description";
    EXPECT_NE(c[2].substr(0, 2), "//");
  }
  EXPECT_EQ(llistats, construits);
}

TEST(PortafoliOptions, HelpAndVersionGoToStandardOutputAndUnknownOptionsFail) {
  CarpetaTemporal carpeta;
  prova::Resultat ajuda = portafoli(carpeta, {"--help"});
  EXPECT_EQ(ajuda.estat, 0);
  EXPECT_EQ(ajuda.errors, "");
  EXPECT_TRUE(conte(ajuda.sortida, "man portafoli"));
  EXPECT_TRUE(conte(ajuda.sortida, "--carpeta"));
  prova::Resultat versio = portafoli(carpeta, {"--version"});
  EXPECT_EQ(versio.estat, 0);
  EXPECT_EQ(versio.sortida, "portafoli " VERSIO "\n");
  for (std::vector<std::string> dolent :
       std::vector<std::vector<std::string>> {{"--bogus"}, {"-x", "0"}, {"--carpeta"}}) {
    prova::Resultat r = portafoli(carpeta, dolent);
    EXPECT_EQ(r.estat, 2) << dolent[0];
    EXPECT_EQ(r.sortida, "") << dolent[0];
    EXPECT_TRUE(conte(r.errors, "portafoli: ")) << dolent[0];
  }
}

TEST(PortafoliFolder, AnEmptyFolderNameIsAnErrorAndNothingIsCreated) {
  CarpetaTemporal carpeta;
  for (std::string opcio : {"--carpeta=", "--carpeta"}) {
    std::vector<std::string> arguments {opcio};
    if (opcio == "--carpeta") arguments.push_back("");
    arguments.push_back("char-writer");
    prova::Resultat r = portafoli(carpeta, arguments, "x");
    EXPECT_EQ(r.estat, 2);
    EXPECT_EQ(r.errors, "portafoli: el nom de la carpeta de treball es buit\n");
    EXPECT_FALSE(carpeta.existeix("prova.txt"));
  }
}

TEST(PortafoliFolder, WithoutHomeThePasswordDatabaseGivesTheHomeFolder) {
  CarpetaTemporal carpeta;
  const passwd *p = getpwuid(getuid());
  ASSERT_NE(p, nullptr);
  prova::Resultat r =
      prova::executa({.programa = "portafoli", .entrada = "0\n", .carpeta = carpeta.cami(), .entorn = {{"HOME", ""}}});
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(conte(r.sortida, "Carpeta de treball: " + std::string(p->pw_dir) + "/.local/share/portafoli\n"));
}

TEST(PortafoliFolder, EveryProgramWritesAndReadsInTheSameFolder) {
  CarpetaTemporal carpeta;
  // Run directly, in the default folder and in one named with = or as "."...
  EXPECT_EQ(portafoli(carpeta, {"char-writer"}, "hola\n").estat, 0);
  EXPECT_EQ(carpeta.llegeix(".local/share/portafoli/prova.txt"), "hola\r\n");
  prova::Resultat r = portafoli(carpeta, {"text-dump"}, " ");
  EXPECT_TRUE(conte(r.sortida, "hola")) << r.sortida;
  EXPECT_EQ(portafoli(carpeta, {"--carpeta=altra", "line-writer"}, "una linia\n").estat, 0);
  EXPECT_TRUE(carpeta.existeix("altra/prova.txt"));
  EXPECT_TRUE(conte(portafoli(carpeta, {"--carpeta", "altra", "line-reader"}, " ").sortida, "una linia"));
  EXPECT_EQ(portafoli(carpeta, {"--carpeta", ".", "char-writer"}, "aqui\n").estat, 0);
  EXPECT_EQ(carpeta.llegeix("prova.txt"), "aqui\r\n");

  // ...and from the list: the launcher shows the folder, the pair meets.
  prova::Resultat l = portafoli(carpeta, {}, "char-writer\ndesde la llista\n");
  EXPECT_TRUE(conte(l.sortida, "Carpeta de treball: " + carpeta.cami() + "/.local/share/portafoli\n"));
  EXPECT_EQ(carpeta.llegeix(".local/share/portafoli/prova.txt"), "desde la llista\r\n");
}

TEST(PortafoliRun, AProgramRunDirectlyGivesItsStatus) {
  CarpetaTemporal carpeta;
  prova::Resultat r = portafoli(carpeta, {"contact-book"}, "0\n");
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(conte(r.sortida, "Adeu!"));
  EXPECT_TRUE(carpeta.existeix(".local/share/portafoli/agenda.dat"));

  // Printing with no spooler on the path: the program's own non-zero status.
  CarpetaTemporal sense_cua;
  prova::Resultat s = prova::executa({.programa = "portafoli",
                                      .entrada = "10\ns\n0\n",
                                      .arguments = {"--carpeta", carpeta.cami("altres"), "contact-book"},
                                      .carpeta = carpeta.cami(),
                                      .entorn = {{"HOME", carpeta.cami()}, {"PATH", sense_cua.cami()}}});
  EXPECT_EQ(s.estat, 1);
  EXPECT_TRUE(carpeta.existeix("altres/agenda.txt"));

  prova::Resultat u = portafoli(carpeta, {"no-such-program"});
  EXPECT_EQ(u.estat, 2);
  EXPECT_EQ(u.errors, "portafoli: no hi ha cap programa anomenat no-such-program\n");
}

TEST(PortafoliMenu, PicksByOneNumberingAcrossScreensAndEndsAtEndOfInput) {
  CarpetaTemporal carpeta;
  // A number from a later screen picks it from the first; the pause after
  // it takes one character.
  std::string n = numero_de("factorial-header-stub");
  ASSERT_NE(n, "");
  ASSERT_GT(std::stoi(n), 2);  // past the first screen's two
  prova::Resultat r = portafoli(carpeta, {}, n + "\n ");
  EXPECT_EQ(r.estat, 0);
  EXPECT_EQ(linies(r.sortida).at(0).substr(0, 36), "\fPortafoli de programes de consola -");
  EXPECT_TRUE(conte(r.sortida, "[factorial-header-stub: ha acabat be]\n"));
  std::size_t llistes = 0;
  for (std::size_t p = 0; (p = r.sortida.find("Tria un numero", p)) != std::string::npos; p++) llistes++;
  EXPECT_EQ(llistes, 2u);
  EXPECT_EQ(r.sortida.substr(r.sortida.size() - 1), "\n");

  // s and a move between screens; a wrong choice shows the screen again.
  prova::Resultat s = portafoli(carpeta, {}, "s\na\n99\nx\n0\n");
  EXPECT_EQ(s.estat, 0);
  std::vector<std::string> titols;
  for (const std::string &l : linies(s.sortida))
    if (std::size_t p = l.find("Portafoli de programes de consola - "); p != std::string::npos)
      titols.push_back(l.substr(p));
  ASSERT_EQ(titols.size(), 5u);
  EXPECT_EQ(titols[0], titols[2]);
  EXPECT_NE(titols[0], titols[1]);
  EXPECT_EQ(titols[2], titols[3]);
  EXPECT_TRUE(conte(s.sortida, "No hi ha cap programa amb el numero 99.\n"));
}

TEST(PortafoliMenu, ANamePrefixIgnoringCaseRunsAndAnUnknownOneShowsTheClosest) {
  CarpetaTemporal carpeta;
  prova::Resultat r = portafoli(carpeta, {}, "writr\nFACTORIAL-HEADER\n 0\n");
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(conte(r.sortida, "No hi ha cap programa anomenat writr. Els mes semblants: "));
  std::string semblants = r.sortida.substr(r.sortida.find("semblants: "));
  semblants = semblants.substr(0, semblants.find('\n'));
  EXPECT_TRUE(conte(semblants, "char-writer")) << semblants;
  EXPECT_TRUE(conte(r.sortida, "[factorial-header-stub: ha acabat be]"));
}

TEST(PortafoliMenu, ArgumentsReachTheProgramAsAShellWouldSplitThem) {
  CarpetaTemporal carpeta;
  carpeta.escriu("casa.txt", "abc");
  carpeta.escriu("caf\xc3\xa8.txt", "xyz");
  // The blanks after each run answer its pauses; those left over are
  // leading blanks of the next line.
  std::string pausa(12, ' ');
  std::string entrada = "word-repeat 'a  b' 2\n" + pausa +                  // single quotes keep the blanks
                        "word-repeat \"c\\\"d\"\\ e 3\n" + pausa +          // an escaped quote, an escaped blank
                        "word-repeat\n\"f g\" 2\n" + pausa +                // asked for: split the same way
                        "file-upcase ~/casa.txt\n" + pausa +                // ~ is the home folder
                        "file-upcase ../../../caf\xc3\xa8.txt\n" + pausa +  // relative to the working folder
                        "word-repeat 'open\n0\n";                           // a quote left open runs nothing
  prova::Resultat r = portafoli(carpeta, {}, entrada);
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(conte(r.sortida, "\fa  ba  b\n")) << prova::visible(r.sortida);
  EXPECT_TRUE(conte(r.sortida, "\fc\"d ec\"d ec\"d e\n"));
  EXPECT_TRUE(conte(r.sortida, "\ff gf g\n"));
  EXPECT_EQ(carpeta.llegeix("casa.txt"), "ABC");
  EXPECT_EQ(carpeta.llegeix("caf\xc3\xa8.txt"), "XYZ");
  EXPECT_TRUE(conte(r.sortida, "No s'enten la linia: falta tancar una cometa simple (').\n"));
}

TEST(PortafoliMenu, TheEndOfInputAtTheArgumentPromptRunsNothing) {
  CarpetaTemporal carpeta;
  prova::Resultat r = portafoli(carpeta, {}, "word-repeat\n");
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(conte(r.sortida, "Arguments de word-repeat: "));
  EXPECT_FALSE(conte(r.sortida, "Parametres insuficients"));
  EXPECT_FALSE(carpeta.existeix(".local/share/portafoli"));
}

}  // namespace
