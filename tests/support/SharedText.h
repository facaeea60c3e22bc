/* Tests read and fill the stores' texts the way the render thread does: through the shared-access
 * helpers, since the link's worker may write them at the same time. */
#ifndef SHARED_TEXT_H
#define SHARED_TEXT_H

#include <cstring>
#include <string>

#include "BaseTypes.h"
#include "lib/OrvShared.h"

/* The text of a store field, copied out with atomic loads. */
template <size_t N> std::string SharedText(const Int08 (&text)[N])
{
    char copy[N];
    OrvShared_CopyOut(copy, text, N - 1);
    copy[N - 1] = 0;
    return copy;
}

/* Writes a text into a store field (cut to N - 1 bytes) with atomic stores, zero last. */
template <size_t N> void SharedSetText(Int08 (&text)[N], const char* value)
{
    size_t n = strnlen(value, N - 1);
    OrvShared_CopyIn(text, value, n);
    OrvShared_Store(text[n], 0);
}

#endif
