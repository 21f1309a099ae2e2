// Potencia recursiva amb resultat enter.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "enters32.h"
#include "lectura.h"
#include "plataforma.h"

// One level of recursion per unit of the exponent: larger ones are asked again.
constexpr int exponent_maxim = 10000;

// A real truncated toward zero to an int, wrapping as 32-bit arithmetic does
// beyond its range (NaN and the infinities give 0).
int trunca(double x) {
  if (!std::isfinite(x)) return 0;
  double resta = std::fmod(std::trunc(x), 4294967296.0);
  if (resta < 0) resta += 4294967296.0;
  return enters32::enter(static_cast<std::uint32_t>(resta));
}

// Every level truncates to int: pot(2.5, 2) is 5, pot(0.5, 1) is 0.
int pot(double base, int exponent) {
  if (exponent == 0) return 1;
  return trunca(pot(base, exponent - 1) * base);
}

int main() {
  double base;
  int exponent;
  if (!lectura::demana("Fica la base: ", base, 0.0, HUGE_VAL)) return 0;  // NaN never accepted
  if (!lectura::demana("Fica l'exponent: ", exponent, 0, exponent_maxim)) return 0;
  std::printf("El numero %g elevat a %d es: %d", base, exponent, pot(base, exponent));
  plataforma::_getch();
}
