// Joc de pilota de dues pales contra l'ordinador. Tecles: fletxes o K i M mouen, espai, amunt o H serveixen, Esc acaba.
#include <cstdio>

#include "plataforma.h"

int usuari_x = 0;
int ordinador_x = 20;
int paletes_ample = 11;
int gols_ordinador = 0;
int gols_usuari = 0;
int pilota_treta = 0;
int li_toca_a = 0;
int pilota_x = 0;
int pilota_y = 0;
int pilota_direccio = li_toca_a ? 1 : 2;
int tope_x = 78;
int tope_y = 25;
int ordinador_moviment_horizontal = 3;
int usuari_moviment_horizontal = 3;

void blancs(int n) {
  for (int i = 0; i < n; i++) std::printf(" ");
}

void salts(int n) {
  for (int i = 0; i < n; i++) std::printf("\n");
}

void mou_pilota() {
  bool rebot = false;
  if ((pilota_direccio == 0 || pilota_direccio == 1) && pilota_y == 4 && ordinador_x <= pilota_x &&
      pilota_x <= ordinador_x + paletes_ample)
    rebot = true;
  else if ((pilota_direccio == 2 || pilota_direccio == 3) && pilota_y == 23 && usuari_x <= pilota_x &&
           pilota_x <= usuari_x + paletes_ample)
    rebot = true;
  if (rebot) {
    pilota_direccio = pilota_direccio < 2 ? pilota_direccio + 2 : pilota_direccio - 2;
  } else if (pilota_y <= 3) {
    gols_usuari++;
    li_toca_a = 0;
    pilota_treta = 0;
  } else if (pilota_y > 23) {
    gols_ordinador++;
    li_toca_a = 1;
    pilota_treta = 0;
  }
  if (pilota_x == tope_x) {
    if (pilota_direccio == 1)
      pilota_direccio = 0;
    else if (pilota_direccio == 3)
      pilota_direccio = 2;
  } else if (pilota_x == 0) {
    if (pilota_direccio == 0)
      pilota_direccio = 1;
    else if (pilota_direccio == 2)
      pilota_direccio = 3;
  }
  if (pilota_treta) {
    pilota_x += pilota_direccio == 1 || pilota_direccio == 3 ? 1 : -1;
    pilota_y += pilota_direccio >= 2 ? 1 : -1;
  }
  salts(pilota_y - 4);
  blancs(pilota_x);
  std::printf("*");
  salts(tope_y - 2 - pilota_y);
}

void mou_ordinador() {
  if (pilota_treta == 0 && li_toca_a == 0) {
    pilota_x = ordinador_x + paletes_ample / 2;
    pilota_y = 4;
    pilota_treta = 1;
    return;
  }
  int ben_apuntada = ordinador_x <= pilota_x && pilota_x <= ordinador_x + paletes_ample ? 1 : 0;
  int mig = ordinador_x + paletes_ample / 2;
  if (mig < pilota_x)
    ordinador_x += ben_apuntada ? 1 : ordinador_moviment_horizontal;
  else if (mig > pilota_x)
    ordinador_x -= ben_apuntada ? 1 : ordinador_moviment_horizontal;
  if (ordinador_x < 0) ordinador_x = 0;
  if (ordinador_x + paletes_ample > tope_x) ordinador_x = tope_x - paletes_ample;
}

void representa_paletes() {
  plataforma::nou_quadre(40);
  std::printf("Marcador: %d - %d ", gols_ordinador, gols_usuari);
  if (gols_ordinador > gols_usuari)
    std::printf("(guanya ordinador)");
  else if (gols_usuari > gols_ordinador)
    std::printf("(guanya usuari)");
  else
    std::printf("(taules)");
  std::printf(pilota_treta == 1 ? " - Pilota treta" : " - Pilota no treta");
  std::printf(" (%d, %d)\n\n", pilota_x, pilota_y);
  if (pilota_treta == 0) {
    if (li_toca_a == 0) {
      pilota_x = ordinador_x + paletes_ample / 2;
      pilota_y = 4;
    } else {
      pilota_x = usuari_x + paletes_ample / 2;
      pilota_y = 23;
    }
  }
  blancs(ordinador_x);
  std::printf("[=========] ");
  if (pilota_treta == 0 && li_toca_a == 0) {
    std::printf("\n");
    blancs(ordinador_x + paletes_ample / 2);
    std::printf("*");
  } else {
    std::printf("\n");
  }
  if (pilota_treta == 1)
    mou_pilota();
  else
    salts(19);
  if (pilota_treta == 0 && li_toca_a == 1) {
    blancs(usuari_x + paletes_ample / 2);
    std::printf("*");
  }
  std::printf("\n");
  blancs(usuari_x);
  std::printf("[=========] ");
}

int main() {
  plataforma::avis_pantalla_completa();
  plataforma::amaga_cursor();
  int tecla = 0;
  representa_paletes();
  while (tecla != 27) {
    tecla = plataforma::_kbhit() ? plataforma::_getch() : 0;
    if (tecla == 77) usuari_x += usuari_moviment_horizontal;
    if (tecla == 75) usuari_x -= usuari_moviment_horizontal;
    if ((tecla == 32 || tecla == 72) && pilota_treta == 0 && li_toca_a == 1) pilota_treta = 1;
    if (usuari_x < 0) usuari_x = 0;
    if (usuari_x + paletes_ample > tope_x) usuari_x = tope_x - paletes_ample;
    mou_ordinador();
    representa_paletes();
  }
  return 0;
}
