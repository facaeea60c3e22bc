/* The texts of the infotainment modules' view back as plain strings, for comparing in tests. */
#ifndef INFO_MODULES_TEXT_H
#define INFO_MODULES_TEXT_H

#include <cstddef>
#include <string>

#include "OrvRender/Res_TxtBasic.h"

/* A code line of the view up to its terminating 0: ASCII as is, the degree sign as '*', any
 * other code as '?'. */
inline std::string Line(const UInt32* codes, size_t cap)
{
    std::string s;
    for (size_t i = 0; i < cap && codes[i] != 0; i++) s += codes[i] == 0xB0 ? '*' : codes[i] < 128 ? (char)codes[i] : '?';
    return s;
}

/* Basic-atlas glyph indices of the view up to the first 0, back to their characters. */
inline std::string Glyphs(const UInt32* idx, size_t cap)
{
    std::string s;
    for (size_t i = 0; i < cap && idx[i] != 0; i++) s += (char)Basic_FONT_CODE[idx[i]];
    return s;
}

#endif
