#include "text/characters.h"

#include <QTextBoundaryFinder>

namespace pizarrin {

int characterCount(const QString& text)
{
    // Most texts are empty or a single code unit: no need to walk them.
    if (text.size() <= 1)
        return static_cast<int>(text.size());
    int found = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() >= 0)
        ++found;
    return found;
}

QString fitToCharacters(const QString& text, int count)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int found = 0;
    qsizetype end = 0;
    while (found < count) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
        ++found;
    }
    return text.left(end) + QString(count - found, u' ');
}

} // namespace pizarrin
