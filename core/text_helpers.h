// Small text procedures the whole program shares.
#pragma once

#include <QString>

namespace typecask {

// Every non-overlapping occurrence of find (never empty) replaced, left to right.
QString replaceAll(const QString& text, const QString& find, const QString& replacement);

// Two upper-case hexadecimal digits ("0A"); more for values above 255.
QString twoHexDigits(int value);

// The first limit code points of text; a surrogate pair is never cut.
QString leftCodePoints(const QString& text, int limit);
int codePointCount(const QString& text);

// An edit of a box that holds at most limit code points, made too long by an insertion (a
// paste, a drop): keeps before's text around the insertion and as much of the inserted
// text as fits, as a text box with a length limit does. cursor (after the insertion on entry)
// ends after the part kept.
QString limitInsertion(const QString& before, const QString& after, int limit, int& cursor);

} // namespace typecask
