// The console's screen model (a terminal's rules) and the memory console.
#include <algorithm>
#include <cstring>

#include "consola.h"

namespace conio {

Model::Model(int columnes, int files) : columnes_(std::clamp(columnes, 1, 1000)), files_(std::clamp(files, 1, 1000)) {
  reinicia();
}

void Model::reinicia() {
  celles_.assign(static_cast<std::size_t>(columnes_) * static_cast<std::size_t>(files_), Cella {});
  cursor_x = cursor_y = 0;
  ajornat = false;
  marca = 0;
}

void Model::redimensiona(int columnes, int files) {
  columnes = std::clamp(columnes, 1, 1000);
  files = std::clamp(files, 1, 1000);
  if (columnes == columnes_ && files == files_) return;
  std::vector<Cella> noves(static_cast<std::size_t>(columnes) * static_cast<std::size_t>(files), Cella {});
  for (int y = 0; y < std::min(files, files_); y++)
    for (int x = 0; x < std::min(columnes, columnes_); x++)
      noves[static_cast<std::size_t>(y * columnes + x)] = cella(x, y);
  celles_ = std::move(noves);
  columnes_ = columnes;
  files_ = files;
  cursor_x = std::min(cursor_x, columnes_ - 1);
  cursor_y = std::min(cursor_y, files_ - 1);
  ajornat = false;
  marca = std::min(marca, columnes_);
}

void Model::esborra_resta(bool nomes_fila) {
  auto inici = celles_.begin() + cursor_y * columnes_ + cursor_x;
  auto fi = nomes_fila ? celles_.begin() + (cursor_y + 1) * columnes_ : celles_.end();
  std::fill(inici, fi, Cella {' ', atribut});
}

// To the next row; at the last one the whole screen scrolls up and the new
// row is blank in the current attribute (as the terminal erases).
void Model::salt_linia() {
  ajornat = false;
  marca = 0;
  if (cursor_y < files_ - 1) {
    cursor_y++;
    return;
  }
  std::move(celles_.begin() + columnes_, celles_.end(), celles_.begin());
  std::fill(celles_.end() - columnes_, celles_.end(), Cella {' ', atribut});
}

// A run of bytes that are all stored as characters, a row's stretch at a
// time.
void Model::imprimeix(const unsigned char *dades, std::size_t mida) {
  while (mida > 0) {
    if (ajornat) {
      salt_linia();
      cursor_x = 0;
    }
    std::size_t n = std::min(mida, static_cast<std::size_t>(columnes_ - cursor_x));
    Cella *c = &cella(cursor_x, cursor_y);
    for (std::size_t i = 0; i < n; i++) c[i] = Cella {dades[i], atribut};
    cursor_x += static_cast<int>(n);
    if (cursor_x == columnes_) {
      cursor_x = columnes_ - 1;
      ajornat = true;
    }
    marca = std::max(marca, ajornat ? columnes_ : cursor_x);
    dades += n;
    mida -= n;
  }
}

void Model::text(const char *dades, std::size_t mida) {
  const unsigned char *b = reinterpret_cast<const unsigned char *>(dades);
  const unsigned char *fi = b + mida;
  auto es_moviment = [](unsigned char c) { return c == '\a' || c == '\b' || c == '\t' || c == '\n' || c == '\r'; };
  while (b < fi) {
    const unsigned char *tram = b;
    while (b < fi && !es_moviment(*b)) b++;
    if (b > tram) imprimeix(tram, static_cast<std::size_t>(b - tram));
    if (b == fi) break;
    switch (*b++) {
      case '\n':
        salt_linia();
        cursor_x = 0;
        break;
      case '\r':
        cursor_x = 0;
        ajornat = false;
        break;
      case '\b':
        if (cursor_x > 0) cursor_x--;
        ajornat = false;
        break;
      case '\t':
        if (!ajornat) cursor_x = std::min(columnes_ - 1, (cursor_x / 8 + 1) * 8);
        break;
      default: break;  // BEL
    }
  }
}

void Model::posa_cursor(int x, int y) {
  if (std::clamp(y, 0, files_ - 1) != cursor_y) marca = 0;
  cursor_x = std::clamp(x, 0, columnes_ - 1);
  cursor_y = std::clamp(y, 0, files_ - 1);
  ajornat = false;
}

// n consecutive cells of the 80-column console from (x, y), going on at the
// start of the next row; nothing past the console's last cell.
void Model::omple_caracter(unsigned char caracter, int n, int x, int y) {
  for (int i = 0; i < n; i++) {
    int p = y * columnes_consola + x + i;
    if (p < 0 || p >= columnes_consola * files_consola) break;
    if (dins(p % columnes_consola, p / columnes_consola))
      cella(p % columnes_consola, p / columnes_consola).caracter = caracter;
  }
}

void Model::omple_atribut(std::uint16_t a, int n, int x, int y) {
  for (int i = 0; i < n; i++) {
    int p = y * columnes_consola + x + i;
    if (p < 0 || p >= columnes_consola * files_consola) break;
    if (dins(p % columnes_consola, p / columnes_consola)) cella(p % columnes_consola, p / columnes_consola).atribut = a;
  }
}

// All source cells are read first, then the uncovered ones filled, then the
// block written: overlapping moves come out right. Cells off the screen are
// neither read nor written.
void Model::desplaca(Rectangle font, int x, int y, const Rectangle *retall, Cella farciment) {
  if (font.esquerra > font.dreta || font.dalt > font.baix) return;
  Rectangle r = retall ? *retall : Rectangle {0, 0, columnes_consola - 1, files_consola - 1};
  auto dins_retall = [&](int cx, int cy) {
    return dins(cx, cy) && cx >= r.esquerra && cx <= r.dreta && cy >= r.dalt && cy <= r.baix;
  };
  // Only the part of the source on the screen is moved.
  Rectangle f {std::max(font.esquerra, 0), std::max(font.dalt, 0), std::min(font.dreta, columnes_consola - 1),
               std::min(font.baix, files_consola - 1)};
  if (f.esquerra > f.dreta || f.dalt > f.baix) return;
  int dx = x - font.esquerra, dy = y - font.dalt;
  struct Moguda {
    int x, y;
    Cella c;
  };
  std::vector<Moguda> mogudes;
  for (int cy = f.dalt; cy <= f.baix; cy++)
    for (int cx = f.esquerra; cx <= f.dreta; cx++)
      if (dins(cx, cy)) mogudes.push_back({cx + dx, cy + dy, cella(cx, cy)});
  for (int cy = f.dalt; cy <= f.baix; cy++)
    for (int cx = f.esquerra; cx <= f.dreta; cx++)
      if (dins_retall(cx, cy)) cella(cx, cy) = farciment;
  for (const Moguda &m : mogudes)
    if (dins_retall(m.x, m.y)) cella(m.x, m.y) = m.c;
}

bool Model::llegeix(Rectangle r, Cella *desti) {
  for (int cy = r.dalt; cy <= r.baix; cy++)
    for (int cx = r.esquerra; cx <= r.dreta; cx++) *desti++ = dins(cx, cy) ? cella(cx, cy) : Cella {};
  return true;
}

bool Model::escriu(Rectangle r, const Cella *font) {
  for (int cy = r.dalt; cy <= r.baix; cy++)
    for (int cx = r.esquerra; cx <= r.dreta; cx++, font++)
      if (dins(cx, cy)) cella(cx, cy) = *font;
  return true;
}

bool ConsolaMemoria::llegeix_caracter(unsigned char &caracter) {
  while (!entrada.empty()) {
    Esdeveniment e = entrada.front();
    entrada.pop_front();
    if (e.tipus == 1 && e.baixada && e.caracter != 0) {
      caracter = e.caracter;
      return true;
    }
  }
  return false;
}

int ConsolaMemoria::mira_esdeveniments(Esdeveniment *desti, int n) {
  int copiats = std::min(n, static_cast<int>(entrada.size()));
  std::copy_n(entrada.begin(), copiats, desti);
  return copiats;
}

bool ConsolaMemoria::afegeix_esdeveniments(const Esdeveniment *font, int n) {
  if (n < 0 || entrada.size() + static_cast<std::size_t>(n) > maxim_esdeveniments) return false;
  entrada.insert(entrada.end(), font, font + n);
  return true;
}

void ConsolaMemoria::tecla(unsigned char caracter) {
  entrada.push_back({1, true, caracter});
  entrada.push_back({1, false, caracter});
}

}  // namespace conio
