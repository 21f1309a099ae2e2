// Texts that several of the introductory programs print alike.
#pragma once

#include <string>

inline const std::string tope = "Entra un numero tope, mes gran que 0: ";
inline const std::string lineas = "Introduce el numero de lineas: ";
inline const std::string parella = "\n\nFica dos nombres enters (separats per espai): ";
inline const std::string cantidad = "Introduce la cantidad de numeros que vas a poner: ";
inline const std::string caracter = "\nIntrodueix un caracter (RETURN per parar): ";
// "pause", after its key
inline const std::string tecla = "Premeu qualsevol tecla per continuar . . . \n";
inline const std::string menu =
    "1) Calcular area d'un rectangle\n2) Calcular area d'un triangle\n3) Calcular area d'un cercle\n4) Sortir\n"
    "\n\nEscolleix una opcio: ";
