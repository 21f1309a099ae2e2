// The list on a terminal: a menu driven by keys, on the terminal's
// alternate screen, with the programs run on the normal one (their output
// stays in the terminal's history, as a shell's would).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conio.h"
#include "plataforma.h"
#include "portafoli.h"
#include "tecles.h"

namespace portafoli {

namespace {

namespace tecla = plataforma::tecla;

struct Estat {
  std::vector<Pantalla> totes;
  std::size_t capacitat = 0;
  std::size_t triat = 0;  // the highlighted program's place
  std::string escrit;     // a number or a name being typed
  std::string avis;       // the status line: how the last program ended, or a message
  bool colors = true;     // the highlight in colour too (NO_COLOR unset)
} estat;

int files = 25, columnes = 80;

void mida() {
  plataforma::mida_terminal(files, columnes);
  if (files <= 0 || columnes <= 0) {
    files = 25;
    columnes = 80;
  }
  std::size_t capacitat = files > 8 ? std::min<std::size_t>(static_cast<std::size_t>(files - 7), per_pantalla) : 1;
  if (capacitat != estat.capacitat) {
    estat.capacitat = capacitat;
    estat.totes = pantalles(capacitat);
  }
}

// A line cut to the terminal's width (the last column stays free, so that
// no line makes the terminal wrap).
void linia(std::string text, bool destacada = false) {
  std::size_t amplada = static_cast<std::size_t>(columnes > 1 ? columnes - 1 : 1);
  if (text.size() > amplada) text = text.substr(0, amplada > 3 ? amplada - 3 : amplada) + (amplada > 3 ? "..." : "");
  if (destacada) {
    text.resize(amplada, ' ');
    if (estat.colors) conio::textattr(0x70);
  }
  std::fputs(text.c_str(), stdout);
  if (destacada && estat.colors) conio::textattr(0x07);
}

void dibuixa() {
  mida();
  const std::vector<Pantalla> &totes = estat.totes;
  std::size_t n = pantalla_de(totes, estat.triat);
  const Pantalla &p = totes[n];
  plataforma::system("cls");
  std::string titol = "Portafoli de programes de consola - " + std::to_string(n + 1) + " de " +
                      std::to_string(totes.size()) + ": " + std::string(p.titol);
  if (p.parts > 1) titol += " (" + std::to_string(p.part + 1) + "/" + std::to_string(p.parts) + ")";
  linia(titol);
  std::fputs("\n\n", stdout);
  for (std::size_t i = 0; i < estat.capacitat; i++) {
    if (i < p.quants) {
      const Fitxa &f = programes()[p.primer + i];
      char cap[48];
      std::snprintf(cap, sizeof cap, "%c%2zu. %-24s ", p.primer + i == estat.triat ? '>' : ' ', p.primer + i + 1,
                    f.nom);
      linia(cap + std::string(f.descripcio), p.primer + i == estat.triat);
    }
    std::fputs("\n", stdout);
  }
  std::fputs("\n", stdout);
  linia("Carpeta de treball: " + per_mostrar(carpeta_treball));
  std::fputs("\n", stdout);
  std::string situacio = estat.escrit.empty() ? estat.avis : "Tria: " + estat.escrit;
  linia(per_mostrar(situacio));
  // The help line on the terminal's last row.
  for (int f = static_cast<int>(estat.capacitat) + 5; f < files; f++) std::fputs("\n", stdout);
  linia("Fletxes: tria  Retorn: executa  Numero o nom: tria  ?: detalls  q: surt");
  // The cursor where the typing goes.
  int fila = static_cast<int>(estat.capacitat) + 5;
  int columna = static_cast<int>(per_mostrar(situacio).size()) + 1;
  if (!estat.escrit.empty() && columna <= 80 && fila <= 25) conio::gotoxy(columna, fila);
}

void redibuixa() { dibuixa(); }

// The description in lines of the terminal's width, cut at blanks.
void escriu_ajustat(std::string_view text) {
  std::size_t amplada = static_cast<std::size_t>(columnes > 11 ? columnes - 1 : 10);
  while (!text.empty()) {
    std::size_t tall = text.size();
    if (tall > amplada) {
      tall = text.rfind(' ', amplada);
      if (tall == std::string_view::npos || tall == 0) tall = amplada;
    }
    std::printf("%.*s\n", static_cast<int>(tall), text.data());
    text.remove_prefix(tall);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
}

// "?": the whole description and the program's keys.
void detalls(const Fitxa &f) {
  plataforma::system("cls");
  std::printf("%zu. %s (%s)\n\n", numero(f), f.nom, f.titol);
  std::string_view d = f.descripcio;
  std::size_t tecles = d.find(" Tecles: ");
  escriu_ajustat(d.substr(0, tecles));
  std::printf("\n");
  if (tecles != std::string_view::npos) escriu_ajustat(d.substr(tecles + 1));
  if (f.amb_arguments)
    escriu_ajustat(
        "Pren les dades de la linia d'ordres: escriu-les a la llista darrere del nom, o quan es demanen "
        "abans d'executar-lo.");
  escriu_ajustat(
      "Respon cada pregunta i prem Retorn; a les pauses, qualsevol tecla continua. Ctrl-C l'interromp i "
      "Ctrl-Z l'atura.");
  std::printf("\nPrem una tecla per tornar a la llista.");
  int c = plataforma::_getch();
  if (c == tecla::prefix_estesa || c == tecla::prefix_funcio) plataforma::_getch();
}

// Runs the program; its arguments are asked for when it takes them and the
// line typed at the list gave none.
void executa_triat(const Fitxa &f, std::vector<std::string> arguments, bool amb_linia) {
  estat.triat = numero(f) - 1;
  estat.escrit.clear();
  if (f.amb_arguments && !amb_linia) {
    estat.avis.clear();
    dibuixa();
    std::printf("\rArguments de %s (Esc o Ctrl-D: torna): ", f.nom);
    std::string text, error;
    if (!llegeix_linia(text) || text.find('\x1b') != std::string::npos) {
      estat.avis = "No s'ha executat " + std::string(f.nom) + ".";
      return;
    }
    std::optional<std::vector<std::string>> a = paraules(text, error);
    if (!a) {
      estat.avis = "No s'enten la linia: " + error + ".";
      return;
    }
    arguments = *a;
  }
  plataforma::pantalla_alternativa(false);
  plataforma::Final final;
  if (!executa(f, arguments, final)) {
    estat.avis = "No s'ha pogut executar " + std::string(f.nom) + ".";
    std::printf("Prem una tecla per tornar a la llista . . . ");
    plataforma::_getch();
  } else {
    estat.avis = std::string(f.nom) + ": " + descriu_final(final);
    if (!final.acaba_en_pausa) {
      std::printf("\n[%s]\nPrem una tecla per tornar a la llista . . . ", estat.avis.c_str());
      int c = plataforma::_getch();
      if (c == tecla::prefix_estesa || c == tecla::prefix_funcio) plataforma::_getch();
    }
    std::printf("\n");
  }
  plataforma::pantalla_alternativa(true);
}

// Enter after a typed number or name (with arguments after the name).
void tria_escrit() {
  std::string text = estat.escrit, error;
  estat.escrit.clear();
  std::optional<std::vector<std::string>> p = paraules(text, error);
  if (!p) {
    estat.avis = "No s'enten la linia: " + error + ".";
    return;
  }
  if (p->empty()) return;
  const std::string &t = (*p)[0];
  const Fitxa *f = nullptr;
  if (t.find_first_not_of("0123456789") == std::string::npos) {
    unsigned long n = t.size() > 3 ? 0 : std::strtoul(t.c_str(), nullptr, 10);
    if (n >= 1 && n <= programes().size()) f = &programes()[n - 1];
    if (!f)
      estat.avis = "No hi ha cap programa amb el numero " + t + " (1 a " + std::to_string(programes().size()) + ").";
  } else {
    f = cerca(t);
    if (!f) estat.avis = "No hi ha cap programa anomenat " + t + ". Els mes semblants: " + semblants(t) + ".";
  }
  if (f) executa_triat(*f, std::vector<std::string>(p->begin() + 1, p->end()), p->size() > 1);
}

// A typed number or name moves the highlight to the program it names.
void segueix_escrit() {
  std::string_view t = estat.escrit;
  if (t.empty() || t.find(' ') != std::string_view::npos) return;
  if (t.find_first_not_of("0123456789") == std::string_view::npos) {
    unsigned long n = t.size() > 3 ? 0 : std::strtoul(estat.escrit.c_str(), nullptr, 10);
    if (n >= 1 && n <= programes().size()) estat.triat = n - 1;
  } else if (const Fitxa *f = cerca(t)) {
    estat.triat = numero(*f) - 1;
  }
}

void canvia_pantalla(int pas) {
  std::size_t n = estat.totes.size();
  std::size_t p = pantalla_de(estat.totes, estat.triat);
  p = pas > 0 ? (p + 1) % n : (p + n - 1) % n;
  estat.triat = estat.totes[p].primer;
}

}  // namespace

int menu_terminal() {
  estat.colors = !(std::getenv("NO_COLOR") && *std::getenv("NO_COLOR"));
  if (estat.totes.empty() && pantalles().empty()) return 0;
  plataforma::pantalla_alternativa(true);
  plataforma::en_reprendre(redibuixa);
  const std::size_t total = programes().size();
  for (;;) {
    dibuixa();
    int c = plataforma::_getch();
    if (c == tecla::prefix_estesa) {
      int k = plataforma::_getch();
      estat.escrit.clear();
      estat.avis.clear();
      if (k == tecla::amunt && estat.triat > 0) estat.triat--;
      if (k == tecla::avall && estat.triat + 1 < total) estat.triat++;
      if (k == tecla::esquerra || k == tecla::re_pag) canvia_pantalla(-1);
      if (k == tecla::dreta || k == tecla::av_pag) canvia_pantalla(1);
      if (k == tecla::inici) estat.triat = 0;
      if (k == tecla::fi) estat.triat = total - 1;
    } else if (c == tecla::prefix_funcio) {
      plataforma::_getch();
    } else if (c == tecla::retorn || c == '\n') {
      estat.avis.clear();
      if (estat.escrit.empty())
        executa_triat(programes()[estat.triat], {}, false);
      else
        tria_escrit();
    } else if (c == tecla::esc || c == 4) {  // Esc, or Ctrl-D
      if (estat.escrit.empty()) break;
      estat.escrit.clear();
    } else if (c == tecla::retroces || c == 127) {
      // One character back: a UTF-8 character is all its bytes.
      while (!estat.escrit.empty() && (static_cast<unsigned char>(estat.escrit.back()) & 0xC0) == 0x80)
        estat.escrit.pop_back();
      if (!estat.escrit.empty()) estat.escrit.pop_back();
      segueix_escrit();
    } else if (estat.escrit.empty() && (c == 'q' || c == '?' || c == ' ')) {
      if (c == 'q') break;
      if (c == '?') detalls(programes()[estat.triat]);
    } else if (c >= ' ' && c != 127) {
      estat.avis.clear();
      afegeix_caracter(estat.escrit, c);
      segueix_escrit();
    }
  }
  plataforma::en_reprendre(nullptr);
  plataforma::pantalla_alternativa(false);
  return 0;
}

}  // namespace portafoli
