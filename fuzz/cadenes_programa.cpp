// One string program compiled for the fuzz target: PROGRAMA names its
// source, and its main is renamed (to NOM_MAIN) out of the way.
#define main NOM_MAIN
#include PROGRAMA
