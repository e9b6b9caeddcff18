// The font of the program's own texts: captions, menus and lists are Japanese, so the
// application font is the family fontconfig picks for Japanese sans-serif text, as on a
// Japanese desktop. A font without Japanese would make Qt search every installed face for a
// fallback, per family, style and script.
#pragma once

class QString;

namespace typecask {

// Sets the application font to the Japanese sans-serif family at the desktop's size and
// returns the family; leaves the font as it is (and returns an empty name) when fontconfig
// has no family for Japanese.
QString useJapaneseUiFont();
// The same with the family already found (empty: none), as the program does at start-up, where
// the match runs on a second thread while Qt starts.
void useUiFontFamily(const QString& family);

} // namespace typecask
