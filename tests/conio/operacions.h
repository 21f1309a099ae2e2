// A seeded random sequence of console library operations, run the same way
// on the memory console and on a terminal to compare the two screens.
#ifndef OPERACIONS_H
#define OPERACIONS_H

#include <random>
#include <string>

#include "conio.h"

// text(bytes) stands for the program's own prints (printf).
template <class Text>
void operacions(unsigned llavor, int quantes, Text text) {
  std::mt19937 g(llavor);
  auto r = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
  auto cadena = [&](int maxim) {
    std::string s;
    int n = r(0, maxim);
    for (int i = 0; i < n; i++) {
      int tria = r(0, 30);
      if (tria == 0)
        s.push_back("\n\r\b\t\a\x01\x1b\x7f"[r(0, 7)]);
      else
        s.push_back(static_cast<char>(r(33, 126)));
    }
    return s;
  };
  for (int i = 0; i < quantes; i++) {
    switch (r(0, 15)) {
      case 0: conio::putch(r(0, 6) == 0 ? "\n\r\b\t\x02"[r(0, 4)] : r(33, 126)); break;
      case 1: conio::cputs(cadena(120).c_str()); break;
      case 2:
      case 3: text(cadena(100)); break;
      case 4:
      case 5: conio::gotoxy(r(0, 81), r(0, 26)); break;
      case 6:
        if (r(0, 2) == 0) {
          conio::window(1, 1, 80, 25);
        } else {
          int e = r(1, 80), d = r(e, 80), a = r(1, 25), b = r(a, 25);
          conio::window(e, a, d, b);
        }
        break;
      case 7:
        if (r(0, 3) == 0) conio::clrscr();
        break;
      case 8: conio::clreol(); break;
      case 9: conio::insline(); break;
      case 10: conio::delline(); break;
      case 11: conio::movetext(r(-2, 82), r(-2, 27), r(-2, 82), r(-2, 27), r(-2, 82), r(-2, 27)); break;
      case 12: {
        int e = r(1, 80), d = r(e, std::min(80, e + 10)), a = r(1, 25), b = r(a, std::min(25, a + 5));
        std::string celles;
        for (int k = 0; k < (d - e + 1) * (b - a + 1); k++) {
          celles.push_back(static_cast<char>(r(0, 9) == 0 ? r(1, 31) : r(33, 126)));
          celles.push_back(static_cast<char>(r(0, 255)));
        }
        conio::puttext(e, a, d, b, celles.data());
        break;
      }
      case 13: conio::textattr(r(0, 3) == 0 ? 0x07 : r(0, 255)); break;
      case 14: conio::textcolor(r(0, 15)); break;
      default: conio::textbackground(r(0, 15)); break;
    }
  }
}

#endif
