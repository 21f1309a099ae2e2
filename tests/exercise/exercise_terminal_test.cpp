// A course exercise built as every program is, on a pseudo-terminal: its
// colours, its accents and its console commands as a person sees them.
#include <gtest/gtest.h>

#include <string>

#include "conio.h"
#include "programa.h"
#include "terminal.h"

namespace {

static_assert(BLACK == 0 && BLUE == 1 && GREEN == 2 && CYAN == 3 && RED == 4 && MAGENTA == 5 && BROWN == 6 &&
              LIGHTGRAY == 7 && DARKGRAY == 8 && LIGHTBLUE == 9 && LIGHTGREEN == 10 && LIGHTCYAN == 11 &&
              LIGHTRED == 12 && LIGHTMAGENTA == 13 && YELLOW == 14 && WHITE == 15);
static_assert(_NOCURSOR == 0 && _SOLIDCURSOR == 1 && _NORMALCURSOR == 2);

TEST(Exercise, ACourseExerciseShowsItsColoursAccentsAndPause) {
  prova::CarpetaTemporal carpeta;
  prova::Terminal t(EXERCICI, carpeta.cami(), {}, {}, "C.UTF-8");
  ASSERT_TRUE(t.espera_text("Premeu qualsevol tecla per continuar"));
  EXPECT_EQ(t.fila(0), "Hola, Çèlia!");
  EXPECT_EQ(t.fila(1), "Estem al març.");
  for (int columna = 0; columna < 12; columna++) {
    prova::Terminal::Cella c = t.cella(0, columna);
    EXPECT_EQ(c.primer_pla, 11) << columna;  // the terminal's bright yellow
    EXPECT_EQ(c.fons, 4) << columna;         // and its blue
  }
  EXPECT_EQ(t.cella(1, 0).primer_pla, -1);  // light grey on black: the terminal's own colours
  EXPECT_EQ(t.cella(1, 0).fons, -1);
  EXPECT_EQ(t.pantalla().find("not found"), std::string::npos);
  t.escriu("k");
  EXPECT_EQ(t.espera_final(), 0);
}

}  // namespace
