// Counting and cutting text in user-perceived characters: an emoji, or a letter with a
// combining accent, is one character however many code units it takes.
#pragma once

#include <QString>

namespace pizarrin {

int characterCount(const QString& text);

// The first `count` characters of the text, padded on the right with spaces to exactly
// `count` characters. A character is never cut in two.
QString fitToCharacters(const QString& text, int count);

} // namespace pizarrin
