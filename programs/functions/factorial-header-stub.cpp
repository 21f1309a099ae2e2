// Includes the number library's factorial and does nothing when run.
#include "mates.h"

int main() {}
