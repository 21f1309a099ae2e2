// Mostra l'hora local en una linia, actualitzada al mateix lloc cada segon, fins que es prem una tecla.
#include <cstdio>
#include <ctime>

#include "plataforma.h"

void espera() {
  std::time_t instant = std::time(nullptr);
  std::tm *data = std::localtime(&instant);
  if (data) std::printf("%d:%d:%d", data->tm_hour, data->tm_min, data->tm_sec);
}

int main() {
  do {
    espera();
    std::printf("\b\b\b\b\b\b\b\b");
    plataforma::_sleep(1000);
  } while (!plataforma::_kbhit());
  std::printf("\nFin del reloj.");
  plataforma::system("pause >NUL");
  return 0;
}
