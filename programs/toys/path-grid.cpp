// Construeix un tauler de mines al voltant d'un cami a l'atzar i n'escriu cada etapa.
#include <cstdio>
#include <ctime>

#include "plataforma.h"
#include "tablero.h"

int main() {
  int tablero[15][10], tablero_adyacentes[15][10];
  int f = 10, c = 10, minas = 10;
  int f_origen = 0, c_origen = 0, f_destino = f - 1, c_destino = c - 1;
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  vaciar_tablero(tablero, f, c);
  if (generar_camino(tablero, f, c, f_origen, c_origen, f_destino, c_destino))
    std::printf("\nSe ha encontrado camino!!!\n");
  else
    std::printf("\nNOOOO\n");
  crear_tablero(tablero, f, c, minas);
  mostrar_tablero(tablero, f, c);
  std::printf("\n\n");
  crear_tablero_adyacentes(tablero, tablero_adyacentes, f, c);
  mostrar_tablero(tablero_adyacentes, f, c);
  std::printf("\nAdios.");
  plataforma::system("pause >NUL");
  return 0;
}
