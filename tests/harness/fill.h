// Runs a piece of a test in a child process, as a program of its own: its
// standard input is given bytes (through a pipe or from a regular file) and
// its standard output is captured. The one fork-and-pipe helper of the
// tests of the platform layer.
#ifndef ARNES_FILL_H
#define ARNES_FILL_H

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace prova {

enum class Origen {
  canonada,  // a pipe, ended after the bytes
  oberta,    // a pipe that stays open and empty until the child prints something
  fitxer,    // a regular file holding the bytes
};

struct Fill {
  std::string sortida;
  int estat = -1;  // as waitpid gives it
};

// The body runs in the child; the child ends (status 0) when it returns.
// The input is complete before the child starts, so a poll that does not
// wait already sees it.
// The name of an origin in a parameterised test's name.
std::string nom_origen(const ::testing::TestParamInfo<Origen> &dada);

Fill en_fill(const std::string &entrada, const std::function<void()> &cos, Origen origen = Origen::canonada);

}  // namespace prova

#endif
