// Exchange of two integers through their addresses, shared by the number
// utilities and the array library so that both can be included together.
#ifndef INTERCANVIA_H
#define INTERCANVIA_H

inline void intercanvia(int *a, int *b) {
  int temp = *a;
  *a = *b;
  *b = temp;
}

#endif
