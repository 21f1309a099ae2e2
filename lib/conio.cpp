// Text console library over the console operations.
#include "conio.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "consola.h"

namespace conio {

namespace {

constexpr textinfo inicial {0, 0, 79, 24, 15, 15, 3, 25, 80, 1, 1};
textinfo estat = inicial;
char contrasenya[9];
Consola *escollida = nullptr;

Consola &con() { return escollida ? *escollida : consola_terminal(); }

constexpr unsigned char intro = 13, esc = 27;

Cella blanc() { return Cella {' ', estat.attribute}; }

Rectangle finestra() { return {estat.left, estat.top, estat.right, estat.bottom}; }

// One window row blank in the attribute.
void buida_fila(int y) {
  con().omple_caracter(' ', estat.width, estat.left, estat.top + y - 1);
  con().omple_atribut(estat.attribute, estat.width, estat.left, estat.top + y - 1);
}

// The window's rows one up, the bottom row left blank in the attribute.
void puja_finestra() {
  if (estat.height > 1)
    movetext(1, 2, estat.width, estat.height, 1, 1);
  else
    buida_fila(1);
}

void avanca(int columnes) {
  int x = estat.cursor_x + columnes;
  if (x > estat.width) {
    x -= estat.width;
    estat.cursor_y++;
  }
  estat.cursor_x = static_cast<unsigned char>(x);
  if (estat.cursor_y > estat.height) {
    estat.cursor_y = estat.height;
    puja_finestra();
  }
}

void posa_atribut(unsigned a) {
  con().posa_atribut(static_cast<std::uint16_t>(a & 0xFFFFu));
  estat.attribute = static_cast<unsigned char>(a & 0xFFu);
}

// A window coordinate on the screen, 0-based from the window's corner at
// origen. Far-off values (any int) are held at a distance that is still off
// the screen, so no sum overflows.
int a_pantalla(unsigned char origen, int coordenada) {
  constexpr long long lluny = 1 << 20;
  long long c = static_cast<long long>(origen) + coordenada - 1;
  return static_cast<int>(c < -lluny ? -lluny : c > lluny ? lluny : c);
}

// A screen rectangle from window coordinates; false when it is inverted or
// not wholly on the 80 x 25 screen.
bool rectangle(int left, int top, int right, int bottom, Rectangle &r) {
  r = {a_pantalla(estat.left, left), a_pantalla(estat.top, top), a_pantalla(estat.left, right),
       a_pantalla(estat.top, bottom)};
  return r.esquerra <= r.dreta && r.dalt <= r.baix && r.esquerra >= 0 && r.dalt >= 0 && r.dreta < columnes_consola &&
         r.baix < files_consola;
}

bool llegeix(unsigned char &c) { return con().llegeix_caracter(c); }

// The temporary array of a rectangle's cells; false when it cannot be had.
bool celles_del(const Rectangle &r, std::vector<Cella> &celles) {
  try {
    celles.resize(static_cast<std::size_t>(r.dreta - r.esquerra + 1) * static_cast<std::size_t>(r.baix - r.dalt + 1));
  } catch (const std::bad_alloc &) {
    return false;
  }
  return true;
}

}  // namespace

void window(int left, int top, int right, int bottom) {
  if (left < 1 || left > right || right > columnes_consola || top < 1 || top > bottom || bottom > files_consola) return;
  estat.left = static_cast<unsigned char>(left - 1);
  estat.top = static_cast<unsigned char>(top - 1);
  estat.right = static_cast<unsigned char>(right - 1);
  estat.bottom = static_cast<unsigned char>(bottom - 1);
  estat.height = static_cast<unsigned char>(bottom - top + 1);
  estat.width = static_cast<unsigned char>(right - left + 1);
  estat.cursor_x = estat.cursor_y = 1;
  clrscr();
}

void gotoxy(int x, int y) {
  if (x < 1 || x > estat.width || y < 1 || y > estat.height) return;
  estat.cursor_x = static_cast<unsigned char>(x);
  estat.cursor_y = static_cast<unsigned char>(y);
  con().posa_cursor(estat.left + x - 1, estat.top + y - 1);
}

int wherex() { return estat.cursor_x; }
int wherey() { return estat.cursor_y; }

int putch(int c) {
  gotoxy(estat.cursor_x, estat.cursor_y);
  char b = static_cast<char>(c);
  con().escriu(&b, 1);
  avanca(1);
  return 0;
}

int cputs(const char *s) {
  std::size_t llarg = std::strlen(s), fet = 0;
  std::size_t tros = static_cast<std::size_t>(estat.width - estat.cursor_x + 1);
  while (fet < llarg) {
    if (tros > llarg - fet) tros = llarg - fet;
    gotoxy(estat.cursor_x, estat.cursor_y);
    con().escriu(s + fet, tros);
    fet += tros;
    avanca(static_cast<int>(tros));
    tros = estat.width;
  }
  return static_cast<int>(llarg);
}

int cprintf(const char *format, ...) {
  char text[1024] = {};
  va_list arguments;
  va_start(arguments, format);
  int n = std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  cputs(text);
  return n;
}

void clrscr() {
  for (int i = 0; i < estat.height; i++) {
    con().omple_atribut(estat.attribute, estat.width, estat.left, estat.top + i);
    con().omple_caracter(' ', estat.width, estat.left, estat.top + i);
  }
  gotoxy(estat.cursor_x, estat.cursor_y);
}

void clreol() {
  int n = estat.width - estat.cursor_x + 1;
  int x = estat.left + estat.cursor_x - 1, y = estat.top + estat.cursor_y - 1;
  con().omple_caracter(' ', n, x, y);
  con().omple_atribut(estat.attribute, n, x, y);
  gotoxy(estat.cursor_x, estat.cursor_y);
}

void delline() {
  int fila = estat.top + estat.cursor_y - 1;
  Rectangle f = finestra();
  if (estat.cursor_y >= estat.height) {
    // The window's last row: nothing below it to move up, it just empties.
    buida_fila(estat.cursor_y);
  } else {
    con().desplaca({estat.left, fila + 1, estat.right, estat.bottom}, estat.left, fila, &f, blanc());
  }
  estat.cursor_x = 1;
  gotoxy(1, estat.cursor_y);
}

void insline() {
  int fila = estat.top + estat.cursor_y - 1;
  Rectangle f = finestra();
  con().desplaca({estat.left, fila, estat.right, estat.bottom}, estat.left, fila + 1, &f, blanc());
  estat.cursor_x = 1;
  gotoxy(1, estat.cursor_y);
}

int movetext(int left, int top, int right, int bottom, int dest_left, int dest_top) {
  // In 64 bits: only the source's part on the screen moves, by the offset
  // from the source's corner to the destination's, so any int is safe.
  auto pantalla = [](unsigned char origen, int c) { return static_cast<long long>(origen) + c - 1; };
  long long esquerra = pantalla(estat.left, left), dalt = pantalla(estat.top, top);
  long long dreta = pantalla(estat.left, right), baix = pantalla(estat.top, bottom);
  if (esquerra > dreta || dalt > baix) return 0;
  long long dx = pantalla(estat.left, dest_left) - esquerra, dy = pantalla(estat.top, dest_top) - dalt;
  esquerra = std::max(esquerra, 0LL), dalt = std::max(dalt, 0LL);
  dreta = std::min<long long>(dreta, columnes_consola - 1), baix = std::min<long long>(baix, files_consola - 1);
  if (esquerra > dreta || dalt > baix) return 0;
  auto a_prop = [](long long c) {  // a destination this far lies off the screen whatever its size
    constexpr long long lluny = 1 << 20;
    return static_cast<int>(c < -lluny ? -lluny : c > lluny ? lluny : c);
  };
  con().desplaca({static_cast<int>(esquerra), static_cast<int>(dalt), static_cast<int>(dreta), static_cast<int>(baix)},
                 a_prop(esquerra + dx), a_prop(dalt + dy), nullptr, blanc());
  return 0;
}

int _gettext(int left, int top, int right, int bottom, void *desti) {
  Rectangle r;
  if (!rectangle(left, top, right, bottom, r)) return 0;
  std::vector<Cella> celles;
  if (!celles_del(r, celles)) return 0;
  std::size_t n = celles.size();
  int fet = con().llegeix_celles(r, celles.data()) ? 1 : 0;
  auto *d = static_cast<unsigned char *>(desti);
  for (std::size_t i = 0; i < n; i++) {
    d[2 * i] = celles[i].caracter;
    d[2 * i + 1] = static_cast<unsigned char>(celles[i].atribut & 0xFFu);
  }
  return fet;
}

int puttext(int left, int top, int right, int bottom, const void *font) {
  Rectangle r;
  if (!rectangle(left, top, right, bottom, r)) return 0;
  std::vector<Cella> celles;
  if (!celles_del(r, celles)) return 0;
  std::size_t n = celles.size();
  const auto *f = static_cast<const unsigned char *>(font);
  for (std::size_t i = 0; i < n; i++) celles[i] = Cella {f[2 * i], f[2 * i + 1]};
  return con().escriu_celles(r, celles.data()) ? 1 : 0;
}

void gettextinfo(textinfo *info) { std::memcpy(info, &estat, sizeof estat); }

void textattr(int attribute) { posa_atribut(static_cast<unsigned>(attribute)); }

void textcolor(int colour) { posa_atribut(static_cast<unsigned>(colour) | (con().atribut() & 0xF0u)); }

void textbackground(int colour) { posa_atribut((static_cast<unsigned>(colour) << 4) | (con().atribut() & 0x0Fu)); }

void highvideo() { posa_atribut(estat.attribute | 8u); }
void lowvideo() { posa_atribut(estat.attribute & 0xF7u); }
void normvideo() { posa_atribut(estat.normal_attribute); }

void _setcursortype(int tipus) {
  if (tipus == 0)
    con().posa_cursor_visible(100, false);
  else if (tipus == 1)
    con().posa_cursor_visible(100, true);
  else if (tipus == 2)
    con().posa_cursor_visible(10, true);
}

void textmode(int) {}

int getch() {
  unsigned mode = con().mode_entrada();
  con().posa_mode_entrada(0);
  unsigned char c;
  bool llegit = llegeix(c);
  con().posa_mode_entrada(mode);
  return llegit ? c : esc;
}

int getche() {
  unsigned mode = con().mode_entrada();
  con().posa_mode_entrada(0);
  unsigned char c;
  bool llegit = llegeix(c);
  if (llegit) putch(c);
  con().posa_mode_entrada(mode);
  return llegit ? c : esc;
}

int kbhit() {
  int n = con().esdeveniments_pendents();
  if (n <= 0) return 0;
  std::vector<Esdeveniment> pendents;
  try {
    pendents.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc &) {
    return 0;
  }
  int vistos = con().mira_esdeveniments(pendents.data(), n);
  for (int i = 0; i < vistos; i++)
    if (pendents[static_cast<std::size_t>(i)].tipus == 1 && pendents[static_cast<std::size_t>(i)].baixada) return 1;
  return 0;
}

int ungetch(int c) {
  unsigned char b = static_cast<unsigned char>(c);
  const Esdeveniment parell[2] = {{1, true, b}, {1, false, b}};
  return con().afegeix_esdeveniments(parell, 2) ? c : -1;
}

char *cgets(char *buffer) {
  auto *b = reinterpret_cast<unsigned char *>(buffer);
  unsigned capacitat = b[0], desats = 0;
  if (capacitat == 0) {
    b[1] = b[2] = 0;
    return buffer + 2;
  }
  unsigned mode = con().mode_entrada();
  con().posa_mode_entrada(0);
  unsigned char c;
  while (desats < capacitat && llegeix(c) && c != intro) {
    b[2 + desats++] = c;
    putch(c);
  }
  b[1] = static_cast<unsigned char>(desats);
  b[2 + desats] = 0;
  con().posa_mode_entrada(mode);
  return buffer + 2;
}

char *getpass(const char *prompt) {
  cputs(prompt);
  unsigned mode = con().mode_entrada();
  con().posa_mode_entrada(0);
  std::size_t desats = 0;
  unsigned char c;
  while (desats < 8 && llegeix(c) && c != intro) contrasenya[desats++] = static_cast<char>(c);
  contrasenya[desats] = 0;
  con().posa_mode_entrada(mode);
  return contrasenya;
}

void proves::usa_consola(Consola *consola) { escollida = consola; }

void proves::reinicia() {
  estat = inicial;
  std::memset(contrasenya, 0, sizeof contrasenya);
}

}  // namespace conio
