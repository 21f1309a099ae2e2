// The text console library on the memory console: state, output, windows,
// blocks, attributes and keys, with the edge cases of each operation.
#include <gtest/gtest.h>
#include <climits>

#include <cstring>
#include <string>
#include <vector>

#include "conio.h"
#include "consola.h"

namespace {

class Conio : public ::testing::Test {
 protected:
  void SetUp() override {
    conio::proves::reinicia();
    conio::proves::usa_consola(&consola);
  }
  void TearDown() override {
    conio::proves::usa_consola(nullptr);
    conio::proves::reinicia();
  }
  // Screen cell, 1-based as the full-screen window.
  conio::Cella cella(int x, int y) { return consola.pantalla.cella(x - 1, y - 1); }
  std::string fila(int y, int desde = 1, int fins = 80) {
    std::string s;
    for (int x = desde; x <= fins; x++) s.push_back(static_cast<char>(cella(x, y).caracter));
    return s;
  }
  void tecles(const std::string &t) {
    for (char c : t) consola.tecla(static_cast<unsigned char>(c));
  }
  conio::textinfo info() {
    conio::textinfo t;
    conio::gettextinfo(&t);
    return t;
  }
  conio::ConsolaMemoria consola;
};

TEST_F(Conio, InitialStateIsTheStaticRecord) {
  conio::textinfo t = info();
  unsigned char bytes[11];
  std::memcpy(bytes, &t, 11);
  const unsigned char esperat[11] = {0, 0, 79, 24, 15, 15, 3, 25, 80, 1, 1};
  EXPECT_EQ(0, std::memcmp(bytes, esperat, 11));
  EXPECT_EQ(1, conio::wherex());
  EXPECT_EQ(1, conio::wherey());
  EXPECT_EQ(0x07, consola.atribut());  // nothing was sent to the console
  conio::textmode(7);
  EXPECT_EQ(3, info().mode);
}

TEST_F(Conio, GotoxyAcceptsOnlyWindowPositions) {
  conio::gotoxy(10, 10);
  for (auto [x, y] : {std::pair {0, 5}, {81, 1}, {1, 26}, {1, 0}}) {
    conio::gotoxy(x, y);
    EXPECT_EQ(10, conio::wherex());
    EXPECT_EQ(9, consola.pantalla.cursor_x);
  }
  conio::gotoxy(80, 25);
  EXPECT_EQ(80, conio::wherex());
  EXPECT_EQ(25, conio::wherey());
  EXPECT_EQ(79, consola.pantalla.cursor_x);
  EXPECT_EQ(24, consola.pantalla.cursor_y);
}

TEST_F(Conio, PutchAtTheLastCellScrollsTheWindowOnce) {
  conio::gotoxy(1, 1);
  conio::putch('A');
  conio::gotoxy(80, 25);
  EXPECT_EQ(0, conio::putch('Z'));
  EXPECT_EQ(1, conio::wherex());
  EXPECT_EQ(25, conio::wherey());
  EXPECT_EQ('Z', cella(80, 24).caracter);  // moved up by one row
  EXPECT_EQ(' ', cella(80, 25).caracter);
  EXPECT_EQ(15, cella(80, 25).atribut);  // blank in the library's attribute
  EXPECT_EQ(' ', cella(1, 1).caracter);  // row 1 scrolled away
  // A control byte is one column for the library, and the console moves.
  conio::gotoxy(5, 3);
  conio::putch('\n');
  EXPECT_EQ(6, conio::wherex());
}

TEST_F(Conio, CputsSplitsAtTheRowEnd) {
  std::string cent(100, 'x');
  for (int i = 0; i < 100; i++) cent[static_cast<std::size_t>(i)] = static_cast<char>('A' + i % 26);
  EXPECT_EQ(100, conio::cputs(cent.c_str()));
  EXPECT_EQ(cent.substr(0, 80), fila(1));
  EXPECT_EQ(cent.substr(80), fila(2, 1, 20));
  EXPECT_EQ(' ', cella(21, 2).caracter);
  EXPECT_EQ(21, conio::wherex());
  EXPECT_EQ(2, conio::wherey());
  EXPECT_EQ(0, conio::cputs(""));
  EXPECT_EQ(21, conio::wherex());
}

TEST_F(Conio, CputsAtTheBottomScrollsOncePerRow) {
  conio::gotoxy(71, 25);
  conio::cputs("0123456789abcdefghij");  // 10 on row 25, 10 on the new row
  EXPECT_EQ("0123456789", fila(24, 71, 80));
  EXPECT_EQ("abcdefghij", fila(25, 1, 10));
  EXPECT_EQ(11, conio::wherex());
  EXPECT_EQ(25, conio::wherey());
}

TEST_F(Conio, WindowMapsAndClips) {
  conio::window(10, 5, 29, 14);
  conio::textinfo t = info();
  EXPECT_EQ(9, t.left);
  EXPECT_EQ(4, t.top);
  EXPECT_EQ(28, t.right);
  EXPECT_EQ(13, t.bottom);
  EXPECT_EQ(20, t.width);
  EXPECT_EQ(10, t.height);
  conio::gotoxy(1, 1);
  EXPECT_EQ(9, consola.pantalla.cursor_x);
  EXPECT_EQ(4, consola.pantalla.cursor_y);
  conio::gotoxy(21, 1);
  EXPECT_EQ(1, conio::wherex());
  // Wrapping inside the window.
  conio::cputs("abcdefghijklmnopqrstUV");
  EXPECT_EQ("abcdefghijklmnopqrst", fila(5, 10, 29));
  EXPECT_EQ("UV", fila(6, 10, 11));
  EXPECT_EQ(' ', cella(30, 5).caracter);
}

TEST_F(Conio, WindowOutOfRangeIsIgnored) {
  conio::gotoxy(3, 4);
  conio::putch('k');
  for (auto w : std::vector<std::vector<int>> {
           {0, 1, 80, 25}, {1, 1, 81, 25}, {5, 1, 4, 25}, {1, 0, 80, 25}, {1, 1, 80, 26}, {1, 9, 80, 8}}) {
    conio::window(w[0], w[1], w[2], w[3]);
    conio::textinfo t = info();
    EXPECT_EQ(80, t.width);
    EXPECT_EQ(25, t.height);
    EXPECT_EQ(4, conio::wherex());
    EXPECT_EQ('k', cella(3, 4).caracter);  // no clear
  }
}

TEST_F(Conio, ClrscrKeepsTheCursorAndClreolClearsTheRest) {
  conio::cputs("abcdefghij");
  conio::window(2, 1, 6, 2);
  EXPECT_EQ("a     ghij", fila(1, 1, 10));
  EXPECT_EQ(15, cella(2, 1).atribut);
  EXPECT_EQ(0x07, cella(7, 1).atribut);
  conio::window(1, 1, 80, 25);
  conio::cputs("0123456789");
  conio::gotoxy(5, 7);
  conio::clrscr();
  EXPECT_EQ(5, conio::wherex());
  EXPECT_EQ(7, conio::wherey());
  EXPECT_EQ(std::string(80, ' '), fila(1));
  conio::gotoxy(1, 3);
  conio::cputs("abcdefghij");
  conio::gotoxy(4, 3);
  conio::textattr(0x1E);
  conio::clreol();
  EXPECT_EQ("abc       ", fila(3, 1, 10));
  EXPECT_EQ(0x1E, cella(80, 3).atribut);
  EXPECT_EQ(0x07, cella(3, 3).atribut);  // text takes the console's attribute
  EXPECT_EQ(4, conio::wherex());
}

TEST_F(Conio, AttributesFollowTheConsole) {
  conio::textattr(0x1F);
  conio::textcolor(14);
  EXPECT_EQ(0x1E, consola.atribut());
  EXPECT_EQ(0x1E, info().attribute);
  conio::textbackground(4);
  EXPECT_EQ(0x4E, consola.atribut());
  conio::lowvideo();
  EXPECT_EQ(0x46, info().attribute);
  conio::highvideo();
  EXPECT_EQ(0x4E, info().attribute);
  conio::normvideo();
  EXPECT_EQ(15, consola.atribut());
  conio::textattr(0x1234);  // the console keeps 16 bits, the library one byte
  EXPECT_EQ(0x1234, consola.atribut());
  EXPECT_EQ(0x34, info().attribute);
  conio::textcolor(2);  // from the console's attribute, not the library's
  EXPECT_EQ(0x32, info().attribute);
  conio::textattr(0x1F);
  conio::putch('q');
  EXPECT_EQ(0x1F, cella(1, 1).atribut);
}

TEST_F(Conio, CursorTypes) {
  conio::_setcursortype(0);
  EXPECT_FALSE(consola.cursor_visible);
  EXPECT_EQ(100, consola.mida_cursor);
  conio::_setcursortype(2);
  EXPECT_TRUE(consola.cursor_visible);
  EXPECT_EQ(10, consola.mida_cursor);
  conio::_setcursortype(1);
  EXPECT_EQ(100, consola.mida_cursor);
  for (int t : {-1, 3, 100}) {
    conio::_setcursortype(t);
    EXPECT_TRUE(consola.cursor_visible);
    EXPECT_EQ(100, consola.mida_cursor);
  }
}

class Linies : public Conio {
 protected:
  void SetUp() override {
    Conio::SetUp();
    for (int y = 1; y <= 25; y++) {
      conio::gotoxy(1, y);
      conio::putch('A' + y - 1);
    }
    conio::textattr(0x2A);
  }
  std::string columna() {
    std::string s;
    for (int y = 1; y <= 25; y++) s.push_back(static_cast<char>(cella(1, y).caracter));
    return s;
  }
};

TEST_F(Linies, DellineOnFirstMiddleAndLastRows) {
  conio::gotoxy(5, 1);
  conio::delline();
  EXPECT_EQ("BCDEFGHIJKLMNOPQRSTUVWXY ", columna());
  EXPECT_EQ(0x2A, cella(1, 25).atribut);
  EXPECT_EQ(1, conio::wherex());
  conio::gotoxy(3, 10);
  conio::delline();
  EXPECT_EQ("BCDEFGHIJLMNOPQRSTUVWXY  ", columna());
  conio::gotoxy(1, 24);
  conio::putch('z');
  conio::gotoxy(1, 25);
  conio::putch('w');
  conio::gotoxy(1, 25);
  conio::delline();  // the window's last row: blanked
  EXPECT_EQ("BCDEFGHIJLMNOPQRSTUVWXYz ", columna());
  EXPECT_EQ(0x2A, cella(80, 25).atribut);
  EXPECT_EQ(25, conio::wherey());
}

TEST_F(Linies, InslineOnFirstMiddleAndLastRows) {
  conio::gotoxy(7, 1);
  conio::insline();
  EXPECT_EQ(" ABCDEFGHIJKLMNOPQRSTUVWX", columna());
  EXPECT_EQ(0x2A, cella(40, 1).atribut);
  EXPECT_EQ(1, conio::wherex());
  EXPECT_EQ(1, conio::wherey());
  conio::gotoxy(1, 13);
  conio::insline();
  EXPECT_EQ(" ABCDEFGHIJK LMNOPQRSTUVW", columna());
  conio::gotoxy(1, 25);
  conio::insline();
  EXPECT_EQ(" ABCDEFGHIJK LMNOPQRSTUV ", columna());
}

TEST_F(Linies, InslineAndDellineStayInTheWindow) {
  conio::window(1, 5, 10, 8);  // clears rows 5-8 columns 1-10
  conio::gotoxy(1, 1);
  conio::cputs("1");
  conio::gotoxy(1, 2);
  conio::cputs("2");
  conio::gotoxy(1, 1);
  conio::insline();
  EXPECT_EQ("ABCD 12 IJKLMNOPQRSTUVWXY", columna());
  EXPECT_EQ(0x2A, cella(10, 5).atribut);
  EXPECT_EQ(0x07, cella(11, 5).atribut);
  conio::gotoxy(1, 3);
  conio::delline();
  EXPECT_EQ("ABCD 1  IJKLMNOPQRSTUVWXY", columna());
}

TEST_F(Conio, MovetextOverlapsBothWays) {
  conio::cputs("0123456789");
  EXPECT_EQ(0, conio::movetext(1, 1, 8, 1, 3, 1));  // right, overlapping
  EXPECT_EQ("  01234567", fila(1, 1, 10));
  conio::gotoxy(1, 2);
  conio::cputs("abcdefghij");
  EXPECT_EQ(0, conio::movetext(3, 2, 10, 2, 1, 2));  // left, overlapping
  EXPECT_EQ("cdefghij  ", fila(2, 1, 10));
  // Off the screen: landing cells dropped, source cells off it skipped;
  // an inverted source moves nothing.
  EXPECT_EQ(0, conio::movetext(75, 2, 85, 2, 1, 5));
  EXPECT_EQ(std::string(6, ' '), fila(5, 1, 6));
  conio::gotoxy(1, 3);
  conio::cputs("XY");
  EXPECT_EQ(0, conio::movetext(1, 3, 2, 3, 80, 25));
  EXPECT_EQ('X', cella(80, 25).caracter);
  EXPECT_EQ(0, conio::movetext(5, 2, 1, 2, 1, 10));
  EXPECT_EQ("cdefghij", fila(2, 1, 8));
  EXPECT_EQ(0, conio::movetext(1, 1, 3, 3, -5, -5));
  EXPECT_EQ(' ', cella(1, 3).caracter);
}

// Coordinates anywhere in int: no overflow (UBSan watches), the part on the
// screen moves by the true offset, and blocks off the screen are refused.
TEST_F(Conio, FarOffCoordinatesAreSafe) {
  conio::window(3, 1, 80, 25);
  conio::cputs("abc");
  EXPECT_EQ(0, conio::movetext(INT_MIN, 1, 3, 1, INT_MIN, 2));  // the on-screen part onto the next row
  EXPECT_EQ("abc", fila(2, 3, 5));
  EXPECT_EQ(0, conio::movetext(1, 1, INT_MAX, 1, INT_MAX, INT_MAX));
  EXPECT_EQ(0, conio::movetext(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN + 1, 1));
  unsigned char bloc[16] = {};
  EXPECT_EQ(0, conio::_gettext(1, 1, INT_MAX, 1, bloc));
  EXPECT_EQ(0, conio::puttext(INT_MIN, 1, 2, 1, bloc));
  EXPECT_EQ(0, conio::_gettext(INT_MAX, INT_MAX, INT_MAX, INT_MAX, bloc));
}

TEST_F(Conio, GettextPuttextRoundTripAndRefusals) {
  conio::textattr(0x35);
  conio::cputs("hola");
  conio::gotoxy(1, 2);
  conio::cputs("mon!");
  unsigned char bloc[16];
  EXPECT_NE(0, conio::_gettext(1, 1, 4, 2, bloc));
  EXPECT_EQ('h', bloc[0]);
  EXPECT_EQ(0x35, bloc[1]);
  EXPECT_EQ('!', bloc[14]);
  EXPECT_NE(0, conio::puttext(11, 11, 14, 12, bloc));
  EXPECT_EQ("hola", fila(11, 11, 14));
  EXPECT_EQ("mon!", fila(12, 11, 14));
  EXPECT_EQ(0x35, cella(14, 12).atribut);
  // High attribute bytes come back widened without sign.
  unsigned char alt[2] = {'q', 0xF1};
  EXPECT_NE(0, conio::puttext(1, 5, 1, 5, alt));
  EXPECT_EQ(0xF1, cella(1, 5).atribut);
  // Inverted or off the screen: 0, buffer and screen untouched.
  unsigned char intacte[16];
  std::memset(intacte, 0xAB, sizeof intacte);
  for (auto r :
       std::vector<std::vector<int>> {{4, 1, 1, 2}, {1, 2, 4, 1}, {78, 1, 81, 1}, {1, 25, 1, 26}, {0, 1, 1, 1}}) {
    EXPECT_EQ(0, conio::_gettext(r[0], r[1], r[2], r[3], intacte));
    EXPECT_EQ(0, conio::puttext(r[0], r[1], r[2], r[3], bloc));
  }
  for (unsigned char b : intacte) EXPECT_EQ(0xAB, b);
  EXPECT_EQ(' ', cella(78, 1).caracter);
  // On the screen but outside the window still works.
  conio::window(20, 20, 30, 22);
  EXPECT_NE(0, conio::_gettext(-18, -18, -15, -18, bloc));
  EXPECT_EQ('h', bloc[0]);
}

TEST_F(Conio, CprintfIsBounded) {
  EXPECT_EQ(7, conio::cprintf("n=%d %s", 42, "ok"));
  EXPECT_EQ("n=42 ok", fila(1, 1, 7));
  conio::clrscr();
  conio::gotoxy(1, 1);
  std::string llarg(2000, 'w');
  EXPECT_EQ(2000, conio::cprintf("%s", llarg.c_str()));
  // 1023 bytes written: 12 full rows and 63 more, through scrolls.
  EXPECT_EQ(64, conio::wherex());
  EXPECT_EQ(13, conio::wherey());
}

TEST_F(Conio, KbhitCountsOnlyKeysGoingDown) {
  EXPECT_EQ(0, conio::kbhit());
  conio::Esdeveniment altres[3] = {{1, false, 'a'}, {2, true, 0}, {4, true, 0}};  // key up, mouse, resize
  consola.afegeix_esdeveniments(altres, 3);
  EXPECT_EQ(0, conio::kbhit());
  EXPECT_EQ(3u, consola.entrada.size());  // nothing removed
  conio::Esdeveniment maj {1, true, 0};   // Shift going down
  consola.afegeix_esdeveniments(&maj, 1);
  EXPECT_EQ(1, conio::kbhit());
  EXPECT_EQ(4u, consola.entrada.size());
}

TEST_F(Conio, UngetchAndGetch) {
  EXPECT_EQ('a', conio::ungetch('a'));
  EXPECT_EQ(1, conio::kbhit());
  EXPECT_EQ('a', conio::getch());
  tecles("x");
  EXPECT_EQ(0x141, conio::ungetch(0x141));  // the low byte is pushed, after what was there
  EXPECT_EQ('x', conio::getch());
  EXPECT_EQ(0x41, conio::getch());
  // Keys without a character and releases are skipped.
  conio::Esdeveniment sense[2] = {{1, true, 0}, {1, false, 0}};
  consola.afegeix_esdeveniments(sense, 2);
  tecles("k");
  EXPECT_EQ('k', conio::getch());
  EXPECT_EQ(7u, consola.mode);  // restored
  // End of input: Esc, at once, and no echo.
  EXPECT_EQ(27, conio::getch());
  EXPECT_EQ(27, conio::getche());
  EXPECT_EQ(1, conio::wherex());
}

TEST_F(Conio, UngetchQueueIsBounded) {
  int aceptats = 0;
  while (conio::ungetch('u') == 'u' && aceptats < 10000) aceptats++;
  EXPECT_EQ(static_cast<int>(conio::ConsolaMemoria::maxim_esdeveniments / 2), aceptats);
  EXPECT_EQ(-1, conio::ungetch('v'));
}

TEST_F(Conio, GetcheEchoesAndMoves) {
  tecles("r");
  conio::gotoxy(10, 4);
  EXPECT_EQ('r', conio::getche());
  EXPECT_EQ('r', cella(10, 4).caracter);
  EXPECT_EQ(11, conio::wherex());
}

TEST_F(Conio, Cgets) {
  char buf[8] = {5};
  tecles("ab\r");
  EXPECT_EQ(buf + 2, conio::cgets(buf));
  EXPECT_EQ(2, buf[1]);
  EXPECT_STREQ("ab", buf + 2);
  EXPECT_EQ("ab", fila(1, 1, 2));
  EXPECT_EQ(1u, consola.entrada.size());  // Enter's release
  char dos[5] = {2};
  tecles("abc");
  conio::cgets(dos);
  EXPECT_EQ(2, dos[1]);
  EXPECT_STREQ("ab", dos + 2);
  EXPECT_EQ('c', conio::getch());
  // Control characters are stored like any other.
  char ctl[8] = {4};
  tecles(
      "\b\x1b"
      "x\r");
  conio::cgets(ctl);
  EXPECT_EQ(3, ctl[1]);
  EXPECT_STREQ("\b\x1bx", ctl + 2);
}

TEST_F(Conio, CgetsCapacityZeroHighCapacityAndEndOfInput) {
  char zero[3] = {0, 'q', 'q'};
  tecles("z");
  EXPECT_EQ(zero + 2, conio::cgets(zero));
  EXPECT_EQ(0, zero[1]);
  EXPECT_EQ(0, zero[2]);
  EXPECT_EQ(2u, consola.entrada.size());  // nothing read
  conio::getch();
  std::vector<char> gran(203, 'q');
  gran[0] = static_cast<char>(200);  // a capacity, not a negative number
  tecles(std::string(150, 'm') + "\r");
  conio::cgets(gran.data());
  EXPECT_EQ(150, static_cast<unsigned char>(gran[1]));
  EXPECT_EQ(std::string(150, 'm'), std::string(gran.data() + 2));
  char fi[8] = {5, 'q', 'q', 'q', 'q', 'q', 'q', 'q'};
  tecles("ab");
  conio::cgets(fi);  // input ends: the line ends as at Enter
  EXPECT_EQ(2, fi[1]);
  EXPECT_STREQ("ab", fi + 2);
}

TEST_F(Conio, Getpass) {
  tecles("123456789\r");
  char *p = conio::getpass("Clau: ");
  EXPECT_STREQ("12345678", p);
  EXPECT_EQ("Clau:               ", fila(1, 1, 20));  // no echo
  EXPECT_EQ('9', conio::getch());
  EXPECT_EQ(13, conio::getch());
  tecles("ab\r");
  EXPECT_EQ(p, conio::getpass(""));
  EXPECT_STREQ("ab", p);
  tecles("xy");
  EXPECT_STREQ("xy", conio::getpass(""));  // end of input ends it
  EXPECT_STREQ("", conio::getpass(""));
}

TEST(Model, TerminalRules) {
  conio::Model m;
  std::string t = std::string(80, 'a');
  m.text(t.data(), t.size());
  EXPECT_TRUE(m.ajornat);
  EXPECT_EQ(79, m.cursor_x);
  m.text("b", 1);  // the deferred wrap
  EXPECT_EQ('b', m.cella(0, 1).caracter);
  m.text("\b\b\bc\td", 7);
  EXPECT_EQ('c', m.cella(0, 1).caracter);
  EXPECT_EQ('d', m.cella(8, 1).caracter);
  m.text("\r\a\x01", 3);
  EXPECT_EQ(0x01, m.cella(0, 1).caracter);
  m.posa_cursor(5, 24);
  m.atribut = 0x1F;
  m.text("e\nf", 3);  // LF at the last row scrolls the whole screen
  EXPECT_EQ('e', m.cella(5, 23).caracter);
  EXPECT_EQ('f', m.cella(0, 24).caracter);
  EXPECT_EQ(0x1F, m.cella(40, 24).atribut);
  EXPECT_EQ(0x01, m.cella(0, 0).caracter);  // row 1 moved up
}

}  // namespace
