// The launcher: its list, a program run in its scratch folder, the menu
// through pipes and on a terminal.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "programa.h"
#include "terminal.h"

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

prova::Resultat portafoli(const CarpetaTemporal &carpeta, std::vector<std::string> arguments,
                          const std::string &entrada = "") {
  return prova::executa({.programa = "portafoli",
                         .entrada = entrada,
                         .arguments = std::move(arguments),
                         .carpeta = carpeta.cami(),
                         .entorn = {{"HOME", carpeta.cami()}}});
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

TEST(PortafoliRun, AProgramRunsInItsScratchFolderAndGivesItsStatus) {
  CarpetaTemporal carpeta;
  prova::Resultat r = portafoli(carpeta, {"contact-book"}, "0\n");
  EXPECT_EQ(r.estat, 0);
  EXPECT_NE(r.sortida.find("Adeu!"), std::string::npos);
  EXPECT_EQ(carpeta.llegeix(".local/share/portafoli/contact-book/agenda.dat"), "");
  EXPECT_TRUE(carpeta.existeix(".local/share/portafoli/contact-book/agenda.dat"));

  // Another parent folder, with the program's own non-zero status.
  CarpetaTemporal sense_cua;
  prova::Resultat s = prova::executa({.programa = "portafoli",
                                      .entrada = "10\ns\n0\n",
                                      .arguments = {"--carpeta", carpeta.cami("altres"), "contact-book"},
                                      .carpeta = carpeta.cami(),
                                      .entorn = {{"HOME", carpeta.cami()}, {"PATH", sense_cua.cami()}}});
  EXPECT_EQ(s.estat, 1);
  EXPECT_TRUE(carpeta.existeix("altres/contact-book/agenda.txt"));

  prova::Resultat u = portafoli(carpeta, {"no-such-program"});
  EXPECT_EQ(u.estat, 2);
  EXPECT_EQ(u.errors, "portafoli: no hi ha cap programa anomenat no-such-program\n");
}

TEST(PortafoliMenu, PicksByNumberComesBackAndEndsAtEndOfInput) {
  CarpetaTemporal carpeta;
  // The first screen's first program, whatever the list holds (the first
  // screen may hold only two).
  prova::Resultat llista = portafoli(carpeta, {"--list"});
  prova::Resultat r = portafoli(carpeta, {}, "1\n");
  EXPECT_EQ(r.estat, 0);
  std::string primera = linies(r.sortida).at(0);
  EXPECT_EQ(primera.substr(0, 36), "\fPortafoli de programes de consola -");
  // The program ran (its folder exists), its end was shown, and the list came back.
  EXPECT_NE(r.sortida.find("ha acabat amb l'estat "), std::string::npos);
  std::size_t llistes = 0;
  for (std::size_t p = 0; (p = r.sortida.find("Tria un numero", p)) != std::string::npos; p++) llistes++;
  EXPECT_EQ(llistes, 2u);

  // s and a move between screens; a wrong choice shows the screen again.
  prova::Resultat n = portafoli(carpeta, {}, "s\na\n99\nx\n0\n");
  EXPECT_EQ(n.estat, 0);
  std::vector<std::string> titols;
  for (const std::string &l : linies(n.sortida))
    if (std::size_t p = l.find("Portafoli de programes de consola - "); p != std::string::npos)
      titols.push_back(l.substr(p));
  ASSERT_EQ(titols.size(), 5u);
  EXPECT_EQ(titols[0], titols[2]);
  EXPECT_NE(titols[0], titols[1]);
  EXPECT_EQ(titols[2], titols[3]);
  EXPECT_EQ(n.sortida.substr(n.sortida.size() - 1), "\n");
}

TEST(PortafoliTerminal, RunsAProgramOnTheSameTerminalAndShowsTheListAgain) {
  CarpetaTemporal carpeta;
  prova::Terminal t("portafoli", carpeta.cami(), {"--carpeta", carpeta.cami()});
  ASSERT_TRUE(t.espera_text("Tria un numero"));
  EXPECT_EQ(t.fila(0).substr(0, 35), "Portafoli de programes de consola -");
  // A program can also be picked by its name, from any screen.
  t.escriu("contact-book\r");
  ASSERT_TRUE(t.passos(
      {{"Opcio:", "0\r"}, {"Fixter guardat!", " "}, {"Adeu!", " "}, {"[contact-book ha acabat amb l'estat 0]"}}));
  EXPECT_TRUE(carpeta.existeix("contact-book/agenda.dat"));
  t.escriu(" ");
  ASSERT_TRUE(t.espera_text("Tria un numero"));
  t.escriu("0\r");
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
}

}  // namespace
