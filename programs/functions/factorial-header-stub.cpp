// Inclou el factorial de la biblioteca de nombres. No mostra res en executar-se.
#include "mates.h"

int main() {}
