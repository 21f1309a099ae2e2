// The grade book through pipes: menu, entry dialogue with its re-asks, both
// queries against a model of the tables, the hidden listing and the end of input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialeg.h"
#include "programa.h"

namespace {

using prova::Cas;

const std::string menu_notes =
    "\f\n\t== Menu: ==\n\n                1) Introduir dades\n                2) Mostrar notes d'un alumne\n"
    "                3) Mostrar notes d'una assignatura\n                0) Sortir\n\n                Opcio: ";
const std::string adeu_notes = "\n\tAdeu!";
const std::string incorrecta_notes = "\n\tOpcio incorrecta!";
const std::string no_trobat = "\n\tAlumne no trobat!";
const std::string sense_notes = "\n\t\tL'alumne no te notes en cap assignatura!";
const std::string no_trobada = "\n\tAssignatura no trobada!";
const std::string pregunta_alumne = "\n\tFica el nom de l'alumne: ";
const std::string pregunta_assignatura = "\n\tFica el nom de l'assignatura: ";
const std::string quantes = "\n\tQuantes assignatures vols ficar (maxim 10)? ";
const std::string quants = "\n\tQuants alumnes vols ficar (maxim 10)? ";
const std::string expedient = "\t\tNumero d'expedient: ";
const std::string nom = "\t\tNom: ";
const std::string domicili = "\t\tDomicili: ";

std::string nom_assignatura(int y) { return "\t\tNom de l'assignatura #" + std::to_string(y) + ": "; }
std::string capsalera_alumne(int x) { return "\tAlumne #" + std::to_string(x) + ": \n"; }
std::string pregunta_nota(const std::string &assignatura) {
  return "\t\tFica la nota de l'alumne en " + assignatura + " (-1 si no en te): ";
}

// ---------------------------------------------------------------------------
// A model of the tables and of what the queries print, written from the
// rules: a name is found by the first one in entry order that contains the
// query word, ignoring the case of A to Z only.

struct Alumne {
  int no_exp;
  std::string nom, domicili;
  std::vector<std::string> notes;  // as typed, one per subject
};
struct Classe {
  std::vector<std::string> assignatures;
  std::vector<Alumne> alumnes;
};

std::string tall(const std::string &text) { return text.substr(0, 19); }
std::string baixa(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}
bool conte(const std::string &nom_desat, const std::string &paraula) {
  return baixa(tall(nom_desat)).find(baixa(tall(paraula))) != std::string::npos;
}
float valor(const std::string &nota) { return std::strtof(nota.c_str(), nullptr); }
std::string g(float x) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(x));
  return text;
}

std::string consulta_alumne(const Classe &c, const std::string &paraula) {
  for (const Alumne &a : c.alumnes) {
    if (!conte(a.nom, paraula)) continue;
    std::string r = "\n\tAlumne " + tall(a.nom) + " amb expedient " + std::to_string(a.no_exp) + ":\n";
    bool cap = true;
    for (const Alumne &b : c.alumnes)
      for (std::size_t y = 0; y < c.assignatures.size(); y++)
        if (b.no_exp == a.no_exp && valor(b.notes[y]) >= 0) {
          r += "\n\t\tAssignatura " + tall(c.assignatures[y]) + ": " + g(valor(b.notes[y]));
          cap = false;
        }
    return r + (cap ? sense_notes : "");
  }
  return no_trobat + sense_notes;
}

std::string consulta_assignatura(const Classe &c, const std::string &paraula) {
  for (const std::string &s : c.assignatures) {
    if (!conte(s, paraula)) continue;
    std::string r = "\n\tNotes de l'assignatura " + tall(s) + ":";
    for (const Alumne &a : c.alumnes)
      for (std::size_t y = 0; y < c.assignatures.size(); y++)
        if (baixa(tall(c.assignatures[y])) == baixa(tall(s)) && valor(a.notes[y]) >= 0)
          r += "\n\t\tNota de l'alumne " + tall(a.nom) + " amb expedient " + std::to_string(a.no_exp) + ": " +
               g(valor(a.notes[y]));
    return r;
  }
  return no_trobada;
}

std::string llistat(const Classe &c) {
  std::string r;
  for (const Alumne &a : c.alumnes) r += std::to_string(a.no_exp) + " " + tall(a.nom) + " " + tall(a.domicili) + "\n";
  for (const Alumne &a : c.alumnes)
    for (std::size_t y = 0; y < c.assignatures.size(); y++)
      r += std::to_string(a.no_exp) + " " + std::to_string(y) + " " + g(valor(a.notes[y])) + "\n";
  return r;
}

// A session: what is typed and what must come out, the menu after each choice.
struct Sessio {
  Classe classe;
  std::string entrada;
  std::string sortida = menu_notes;

  void entra(const Classe &c) {
    classe = c;
    entrada += "1\n" + std::to_string(c.assignatures.size()) + "\n";
    sortida += quantes;
    for (std::size_t y = 0; y < c.assignatures.size(); y++) {
      entrada += c.assignatures[y] + "\n";
      sortida += nom_assignatura(static_cast<int>(y));
    }
    entrada += std::to_string(c.alumnes.size()) + "\n";
    sortida += quants;
    for (std::size_t x = 0; x < c.alumnes.size(); x++) {
      const Alumne &a = c.alumnes[x];
      entrada += std::to_string(a.no_exp) + "\n" + a.nom + "\n" + a.domicili + "\n";
      sortida += capsalera_alumne(static_cast<int>(x)) + expedient + nom + domicili;
      for (std::size_t y = 0; y < c.assignatures.size(); y++) {
        entrada += a.notes[y] + "\n";
        sortida += pregunta_nota(tall(c.assignatures[y]));
      }
    }
    sortida += menu_notes;
  }
  // The query line, then the key for the pause before the next choice.
  void alumne(const std::string &linia, const std::string &paraula) {
    entrada += "2\n" + linia + "\nk";
    sortida += pregunta_alumne + consulta_alumne(classe, paraula) + menu_notes;
  }
  void alumne(const std::string &paraula) { alumne(paraula, paraula); }
  void assignatura(const std::string &paraula) {
    entrada += "3\n" + paraula + "\nk";
    sortida += pregunta_assignatura + consulta_assignatura(classe, paraula) + menu_notes;
  }
  void mostra_llistat() {
    entrada += "4\nk";
    sortida += llistat(classe) + menu_notes;
  }
  Cas acaba(const std::string &nom_cas) {
    return {.nom = nom_cas, .entrada = entrada + "0\n", .sortida = sortida + adeu_notes};
  }
};

// Names chosen so that one contains another, two share a file number, one
// has no marks, and subjects differ only in case or contain one another.
const Classe classe = {.assignatures = {"Quimica organica", "Fisica", "quimica", "Historia", "QUIMICA"},
                       .alumnes = {
                           {5, "Marianna Puig", "C/ Major 1", {"7.5", "-1", "6.666666", "10", "0"}},
                           {8, "Anna Roca", "Pl. Nova", {"-0.5", "9", "4", "-1", "3.25"}},
                           {5, "Pere", "Rambla 3", {"8", "7", "-1", "5", "2"}},
                           {12, "JOAN", "Sense", {"-1", "-1", "-1", "-1", "-1"}},
                       }};

TEST(GradeBook, MenuChoices) {
  using namespace prova::pas;
  using D = prova::Dialeg;
  prova::comprova("grade-book",
                  {
                      D("0 ends at once", menu_notes, {tria("0"), diu(adeu_notes)}),
                      D("the rest of the 0 line is dropped", menu_notes, {tria("0 i prou"), diu(adeu_notes)}),
                      D("Enter alone shows the menu again, with no pause", menu_notes,
                        {tria(""), tria(""), tria("0"), diu(adeu_notes)}),
                      D("incorrect choices, each followed by a pause", menu_notes,
                        {tria("x"), pausa(incorrecta_notes), tria(" 1"), pausa(incorrecta_notes), tria("9"),
                         pausa(incorrecta_notes), tria("5abc"), pausa(incorrecta_notes), tria("0"), diu(adeu_notes)}),
                      D("2xyz runs 2", menu_notes,
                        {tria("2xyz"), pregunta(pregunta_alumne, "anna"), pausa(no_trobat + sense_notes), tria("0"),
                         diu(adeu_notes)}),
                      D("a pause takes one key: the rest of its line is the next choice", menu_notes,
                        {tria("x"), pausa(incorrecta_notes, '9'), tria("0"), diu(adeu_notes)}),
                      D("a key line at a pause leaves its line feed: the menu shows again", menu_notes,
                        {tria("x"), pausa(incorrecta_notes, '9'), tria(""), tria("0"), diu(adeu_notes)}),
                      D("queries before any entry find nothing; the listing is empty", menu_notes,
                        {tria("2"), pregunta(pregunta_alumne, "anna"), pausa(no_trobat + sense_notes), tria("3"),
                         pregunta(pregunta_assignatura, "quimica"), pausa(no_trobada), tria("4"), pausa(), tria("0"),
                         diu(adeu_notes)}),
                  });
}

TEST(GradeBook, EntryDialogueAsksAgain) {
  const std::string subjects = quantes + quantes + quantes + quantes + quantes + quantes + quantes +
                               nom_assignatura(0) + nom_assignatura(0) + nom_assignatura(1);
  const std::string student = quants + quants + capsalera_alumne(0) + expedient + expedient + expedient + expedient +
                              nom + nom + domicili + domicili;
  const std::string marks_a = pregunta_nota("Mates");
  const std::string marks_b = pregunta_nota("Art");
  const std::string asks = subjects + student + marks_a + marks_a + marks_a + marks_a + marks_a + marks_a + marks_a +
                           marks_a + marks_a + marks_b;
  prova::comprova(
      "grade-book",
      {
          {.nom = "every refused reply repeats its own prompt, silently",
           .entrada = "1\n0\n11\n-3\nabc\n4294967297\nx 3\n2\n\nMates\nArt\n"
                      "0 i prou\n1\n-1\n-20\nzero\n0\n\nPau\n\nCasa\n"
                      "11\n-2\n10.5\n-1.5\n10.01\nnan\nnota\ninf\n-1\n10\n4\nk0\n",
           .sortida = menu_notes + asks + menu_notes + "0 Pau Casa\n0 0 -1\n0 1 10\n" + menu_notes + adeu_notes},
          {.nom = "the accepted edges of a mark, -0.5 and 0 stored, neither shown by a query",
           .entrada = "1\n2\nArt\nx\n1\n1\nPau\nCasa\n-0.5\n0\n4\nk2\npau\nk0\n",
           .sortida = menu_notes + quantes + nom_assignatura(0) + nom_assignatura(1) + quants + capsalera_alumne(0) +
                      expedient + nom + domicili + pregunta_nota("Art") + pregunta_nota("x") + menu_notes +
                      "1 Pau Casa\n1 0 -0.5\n1 1 0\n" + menu_notes + pregunta_alumne +
                      "\n\tAlumne Pau amb expedient 1:\n" + "\n\t\tAssignatura x: 0" + menu_notes + adeu_notes},
      });
}

TEST(GradeBook, AMarkWithADecimalCommaIsThatMark) {
  prova::comprova("grade-book",
                  {
                      {.nom = "8,5 is 8.5; 10,5 is above 10 and asked again",
                       .entrada = "1\n2\nArt\nMusica\n1\n1\nPau\nCasa\n10,5\n8,5\n9,75\n4\nk0\n",
                       .sortida = menu_notes + quantes + nom_assignatura(0) + nom_assignatura(1) + quants +
                                  capsalera_alumne(0) + expedient + nom + domicili + pregunta_nota("Art") +
                                  pregunta_nota("Art") + pregunta_nota("Musica") + menu_notes +
                                  "1 Pau Casa\n1 0 8.5\n1 1 9.75\n" + menu_notes + adeu_notes},
                  });
}

TEST(GradeBook, QueriesAgainstTheModel) {
  Sessio s;
  s.entra(classe);
  for (const char *paraula : {"anna", "ANNA", "nna", "rian", "Roca", "pere", "joan", "zzz", "a"}) s.alumne(paraula);
  for (const char *paraula : {"quim", "QUIMICA", "organica", "fis", "ist", "zzz", "a"}) s.assignatura(paraula);
  s.alumne("   anna roca  ", "anna");  // the first word only
  s.alumne("\n\n  Pere", "Pere");      // empty lines before the word are skipped
  s.mostra_llistat();
  s.alumne("marianna");  // after every query, names still print as typed
  s.mostra_llistat();
  prova::comprova("grade-book", {s.acaba("four students, five subjects")});
  // The model's rules spelled out on two queries: shared file numbers, and
  // "quim" finding "Quimica organica" and not "quimica".
  EXPECT_EQ(consulta_alumne(classe, "pere"),
            "\n\tAlumne Pere amb expedient 5:\n\n\t\tAssignatura Quimica organica: 7.5\n\t\tAssignatura quimica: "
            "6.66667\n\t\tAssignatura Historia: 10\n\t\tAssignatura QUIMICA: 0\n\t\tAssignatura Quimica organica: "
            "8\n\t\tAssignatura Fisica: 7\n\t\tAssignatura Historia: 5\n\t\tAssignatura QUIMICA: 2");
  EXPECT_EQ(consulta_assignatura(classe, "quim"),
            "\n\tNotes de l'assignatura Quimica organica:\n\t\tNota de l'alumne Marianna Puig amb expedient 5: 7.5"
            "\n\t\tNota de l'alumne Pere amb expedient 5: 8");
}

TEST(GradeBook, SubjectQueryPrintsEachMarkUnderItsOwnStudent) {
  // "Anna" is contained in "Marianna", entered first: looking Anna up again
  // by her name would find Marianna, print Marianna's marks twice and
  // Anna's never.
  const Classe c = {.assignatures = {"Art", "quimica", "Quimica"},
                    .alumnes = {{1, "Marianna", "A", {"1", "2", "3"}}, {2, "Anna", "B", {"4", "5", "6"}}}};
  Sessio s;
  s.entra(c);
  s.assignatura("quimica");
  prova::comprova("grade-book", {s.acaba("anna inside marianna")});
  EXPECT_EQ(consulta_assignatura(c, "quimica"),
            "\n\tNotes de l'assignatura quimica:\n\t\tNota de l'alumne Marianna amb expedient 1: 2\n\t\tNota de "
            "l'alumne Marianna amb expedient 1: 3\n\t\tNota de l'alumne Anna amb expedient 2: 5\n\t\tNota de "
            "l'alumne Anna amb expedient 2: 6");
}

TEST(GradeBook, RepeatedEntryReplacesTheTables) {
  Sessio s;
  s.entra(classe);
  s.alumne("PUIG");
  s.assignatura("HIST");
  s.entra({.assignatures = {"Musica"}, .alumnes = {{3, "Berta", "Lleida", {"9.25"}}}});
  s.alumne("anna");  // an old student is no longer found
  s.alumne("pere");
  s.assignatura("fis");
  s.assignatura("mus");
  s.mostra_llistat();
  prova::comprova("grade-book", {s.acaba("four students, then one")});
}

TEST(GradeBook, TenByTenAndLongLines) {
  // 40-character lines keep their first 19 characters: the subjects differ
  // within them, the names end in text beyond them.
  Classe deu;
  for (int y = 0; y < 10; y++)
    deu.assignatures.push_back("Materia" + std::to_string(y) + std::string(30, 'z') + " i mes");
  for (int x = 0; x < 10; x++) {
    std::string nom_llarg = x == 1 ? "abc" + std::string(37, 'B') : std::string(40, static_cast<char>('A' + x));
    Alumne a {.no_exp = 2147483647 - x,
              .nom = nom_llarg + "xyz",
              .domicili = "Carrer molt llarg de quaranta lletres " + std::to_string(x),
              .notes = {}};
    for (int y = 0; y < 10; y++) a.notes.push_back(std::to_string((x * 10 + y) % 23 / 2.0 - 1));
    deu.alumnes.push_back(a);
  }
  Sessio s;
  s.entra(deu);
  s.mostra_llistat();
  s.alumne("ccc");
  s.alumne("ABC");
  s.alumne("xyz");                  // beyond the kept characters
  s.alumne(std::string(120, 'e'));  // the word is cut to 19 before comparing
  s.assignatura("materia7" + std::string(40, 'z'));
  s.assignatura("RIA3");
  prova::comprova("grade-book", {s.acaba("ten by ten, 40-character lines")});
  EXPECT_EQ(consulta_alumne(deu, "ABC").substr(0, 32), "\n\tAlumne abcBBBBBBBBBBBBBBBB amb");
  EXPECT_EQ(consulta_alumne(deu, "xyz"), no_trobat + sense_notes);
}

TEST(GradeBook, EndOfInputAnywhereSaysGoodbye) {
  Sessio s;
  s.entra({.assignatures = {"Art", "Musica"},
           .alumnes = {{1, "Pau", "Casa", {"5", "6"}}, {2, "Aina", "Pis", {"7", "-1"}}}});
  s.alumne("pau");
  s.assignatura("art");
  s.mostra_llistat();
  const std::string entrada = s.entrada + "0\n";
  const std::string sortida = s.sortida + adeu_notes;
  for (std::size_t fi = 0; fi <= entrada.size(); fi++) {
    if (fi != 0 && entrada[fi - 1] != '\n' && fi != entrada.size()) continue;
    SCOPED_TRACE("input cut after " + std::to_string(fi) + " bytes");
    prova::CarpetaTemporal carpeta;
    auto r = prova::executa({.programa = "grade-book", .entrada = entrada.substr(0, fi), .carpeta = carpeta.cami()});
    EXPECT_FALSE(r.temps_esgotat);
    EXPECT_EQ(r.estat, 0);
    ASSERT_GE(r.sortida.size(), adeu_notes.size());
    EXPECT_EQ(r.sortida.substr(r.sortida.size() - adeu_notes.size()), adeu_notes);
    EXPECT_EQ(
        sortida.compare(0, r.sortida.size() - adeu_notes.size(), r.sortida, 0, r.sortida.size() - adeu_notes.size()), 0)
        << prova::visible(r.sortida);
  }
}

}  // namespace
