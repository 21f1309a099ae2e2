// The layer's calls that file-upcase makes, over plain stdio: the same
// source built without the console layer, for file_upcase_bench.sh.
#ifndef PLATAFORMA_H
#define PLATAFORMA_H

#include <cstdio>

namespace plataforma {

inline FILE *fopen(const char *nom, const char *mode) { return std::fopen(nom, mode); }
inline int system(const char *) { return 0; }

}  // namespace plataforma

#endif
