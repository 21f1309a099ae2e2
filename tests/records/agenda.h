// What the contact book prints alike in its dialogues and its file tests.
#pragma once

#include <string>

inline const std::string menu =
    "\f\n\t== Menu ==\n\n      1) Entra un nou contacte\n      2) Esborra un contacte\n      3) Mostra tota "
    "l'agenda\n      4) Cerca per nom\n      5) Cerca per primer cognom\n      6) Cerca per telefon\n      7) "
    "Ordena alfabeticament\n\n      8) Carrega dades\n\n      9) Guarda dades\n\n      10) Genera informe\n\n   "
    "   0) Sortir\n\n      \tOpcio: ";
inline const std::string adeu = "\nFixter guardat!\n\n\tAdeu!";
