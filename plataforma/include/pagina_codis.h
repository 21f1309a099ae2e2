// The user's text and the console's code page 850, for text that is the
// user's rather than the console's (file names and arguments typed for
// another program). Kept out of plataforma.h, which every program includes
// and which includes no <string>.
#ifndef PAGINA_CODIS_H
#define PAGINA_CODIS_H

#include <string>
#include <string_view>

namespace plataforma {

// Whether the user's locale is UTF-8; the UTF-8 form of code page bytes, as
// a UTF-8 terminal shows them (bytes below 128 unchanged); and UTF-8 text as
// code page bytes, "?" for a character the code page lacks.
bool terminal_utf8();
std::string de_pagina_codis(std::string_view bytes);
std::string a_pagina_codis(std::string_view text);

}  // namespace plataforma

#endif
