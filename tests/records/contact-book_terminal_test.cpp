// The contact book as a person sees it on an 80 x 25 terminal.
#include <gtest/gtest.h>

#include "programa.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

TEST(ContactBookTerminal, MenuPausesAndGoodbye) {
  CarpetaTemporal carpeta;
  Terminal t("contact-book", carpeta.cami());
  ASSERT_TRUE(t.espera_text("Opcio:"));
  EXPECT_EQ(t.fila(1), "        == Menu ==");
  EXPECT_EQ(t.fila(3), "      1) Entra un nou contacte");
  EXPECT_EQ(t.fila(17), "      0) Sortir");
  EXPECT_EQ(t.fila(19), "        Opcio:");
  EXPECT_EQ(t.fila_cursor(), 19);
  EXPECT_EQ(t.columna_cursor(), 15);

  t.escriu("1\r");
  ASSERT_TRUE(t.passos(
      {{"Fica el NOM del nou contacte:", "Anna Maria\r"}, {"Fica el PRIMER COGNOM", "Pla\rPuig\r931234567\r"}}));
  ASSERT_TRUE(t.espera([&] { return t.fila(19) == "        Opcio:"; }));

  // The listing stays on screen until a key is pressed.
  t.escriu("3\r");
  ASSERT_TRUE(t.espera_text("  0 AnnaMaria       Pla             Puig            931234567"));
  // Below the menu and the typed option, on a cleared screen.
  EXPECT_EQ(t.fila(19), "        Opcio: 3");
  EXPECT_EQ(t.fila(21), "Num Nom             Primer cognom   Segon cognom    Telefon");
  EXPECT_EQ(t.fila(22), "  0 AnnaMaria       Pla             Puig            931234567");
  EXPECT_FALSE(t.acabat());
  t.escriu("x");  // any key, not echoed: the menu comes back on a clear screen
  ASSERT_TRUE(t.espera([&] { return t.pantalla().find("AnnaMaria") == std::string::npos; }));
  EXPECT_EQ(t.fila(19), "        Opcio:");
  EXPECT_EQ(t.fila(20), "");

  t.escriu("0\r");
  // An arrow is a single key for the last pause.
  ASSERT_TRUE(t.passos({{"Fixter guardat!", " "}, {"Adeu!", "\x1b[A"}}));
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  EXPECT_EQ(carpeta.llegeix("agenda.dat").size(), 60u);
}

TEST(ContactBookTerminal, CtrlDAtTheMenuSavesAndEnds) {
  CarpetaTemporal carpeta;
  Terminal t("contact-book", carpeta.cami());
  ASSERT_TRUE(t.passos({{"Opcio:", "\x04"}, {"Fixter guardat!", "a"}, {"Adeu!", "b"}}));
  EXPECT_EQ(t.espera_final(), 0);
  EXPECT_TRUE(prova::mateix_mode(t.mode(), t.mode_inicial()));
  EXPECT_TRUE(carpeta.existeix("agenda.dat"));
}

}  // namespace
