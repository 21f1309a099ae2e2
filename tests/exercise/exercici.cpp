// A new exercise written as the course wrote them: conio's names bare, the
// console's commands through system(), and accents typed in the source.
#include <stdio.h>
#include <stdlib.h>

#include "conio.h"

int main() {
  _setcursortype(_NORMALCURSOR);
  textbackground(BLUE);
  textcolor(YELLOW);
  system("cls");
  cprintf("Hola, Çèlia!");
  textcolor(LIGHTGRAY);
  textbackground(BLACK);
  cprintf("\r\nEstem al març.\r\n");
  system("pause");
  return 0;
}
