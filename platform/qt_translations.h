// Qt's own texts (standard dialogs and buttons) in Japanese, like the rest of the program.
#pragma once

namespace typecask {

// Installs Qt's Japanese translation once; false when the translation files are not there
// (Debian's qt6-translations-l10n), in which case Qt speaks English.
bool useJapaneseQtTexts();

} // namespace typecask
