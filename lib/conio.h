// Text console library: a text window with a 1-based cursor, colours,
// clearing, line insertion and deletion, block moves and copies of screen
// cells, cursor shape and unbuffered keys, over the console operations of
// consola.h (the terminal, or a memory console in tests).
#ifndef CONIO_H
#define CONIO_H

namespace conio {

// The library's whole state, eleven bytes in this order.
struct textinfo {
  unsigned char left, top, right, bottom;  // the window, 0-based screen cells
  unsigned char attribute, normal_attribute;
  unsigned char mode;
  unsigned char height, width;
  unsigned char cursor_x, cursor_y;  // 1-based within the window
};
static_assert(sizeof(textinfo) == 11);

// The sixteen colours in the attribute's bit order (blue 1, green 2, red 4,
// bright 8): the foreground is the low four bits, the background the next
// three, as textcolor, textbackground and textattr take them.
enum colors {
  BLACK,
  BLUE,
  GREEN,
  CYAN,
  RED,
  MAGENTA,
  BROWN,
  LIGHTGRAY,
  DARKGRAY,
  LIGHTBLUE,
  LIGHTGREEN,
  LIGHTCYAN,
  LIGHTRED,
  LIGHTMAGENTA,
  YELLOW,
  WHITE
};
// The cursor shapes _setcursortype takes: hidden, a full block, the usual
// underline.
enum formes_cursor { _NOCURSOR, _SOLIDCURSOR, _NORMALCURSOR };

void window(int left, int top, int right, int bottom);
void gotoxy(int x, int y);
int wherex();
int wherey();
int putch(int c);
int cputs(const char *s);
int cprintf(const char *format, ...) __attribute__((format(printf, 1, 2)));
void clrscr();
void clreol();
void insline();
void delline();
int movetext(int left, int top, int right, int bottom, int dest_left, int dest_top);
int _gettext(int left, int top, int right, int bottom, void *desti);
int puttext(int left, int top, int right, int bottom, const void *font);
void gettextinfo(textinfo *info);
void textattr(int attribute);
void textcolor(int colour);
void textbackground(int colour);
void highvideo();
void lowvideo();
void normvideo();
void _setcursortype(int tipus);
void textmode(int mode);
int getch();
int getche();
int kbhit();
int ungetch(int c);
char *cgets(char *buffer);
char *getpass(const char *prompt);

class Consola;
// For tests only: the console the library works on (null: the terminal's),
// and the state back to its initial values.
namespace proves {
void usa_consola(Consola *consola);
void reinicia();
}  // namespace proves

}  // namespace conio

// A course exercise writes the library's names bare: textcolor(YELLOW).
// getpass stays in conio:: alone, as <unistd.h> has a getpass of its own.
using enum conio::colors;
using enum conio::formes_cursor;
using conio::_gettext;
using conio::_setcursortype;
using conio::cgets;
using conio::clreol;
using conio::clrscr;
using conio::cprintf;
using conio::cputs;
using conio::delline;
using conio::getch;
using conio::getche;
using conio::gettextinfo;
using conio::gotoxy;
using conio::highvideo;
using conio::insline;
using conio::kbhit;
using conio::lowvideo;
using conio::movetext;
using conio::normvideo;
using conio::putch;
using conio::puttext;
using conio::textattr;
using conio::textbackground;
using conio::textcolor;
using conio::textinfo;
using conio::textmode;
using conio::ungetch;
using conio::wherex;
using conio::wherey;
using conio::window;

#endif
