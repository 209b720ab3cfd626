#pragma once

#include <QString>
#include <QStringView>

#include "conversion/types.h"

namespace hexdec {

// The code page 936 bytes of a text as an edit box holds it, converted with the platform's iconv.
// A character with no code page 936 form becomes one '?': a surrogate pair is one character, and
// a lone surrogate is one '?' of its own. The text ends at its first zero character, since a Text
// holds none. Linear in the length of the text.
Text toCodePage936(QStringView text);

// The characters of code page 936 bytes; each byte that starts no valid character becomes '?'.
QString fromCodePage936(const Text& text);

}  // namespace hexdec
