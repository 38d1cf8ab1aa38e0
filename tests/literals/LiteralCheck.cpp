// Compiled, never run: a text Windows-1251 can hold compiles; with
// WORDLUMO_UNMAPPED defined, a text it cannot hold must stop the build.
#include "text/Cp1251Literal.h"

#ifdef WORDLUMO_UNMAPPED
constexpr auto TEXT = cp1251::Literal(u8"Führer");
#else
constexpr auto TEXT = cp1251::Literal(u8"Няма такава дума");
#endif
