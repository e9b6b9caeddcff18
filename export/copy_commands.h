// The main window's copy commands and drag-outs: what each puts on the clipboard or into a
// drag, read from the font browser at the moment of the copy.
#pragma once

#include "core/platform.h"
#include "export/rtf_writer.h"

#include <QString>

namespace typecask {

struct AppContext;
class Form1;

// The sample as the preview shows it: RTF, then the text of the sample box.
ClipboardContent CurrentSampleContent(const AppContext& context, const Form1& form1, Alignment alignment);

// The sample box's own font with one space at 9 points, black and upright; only the
// alignment follows the main window.
ClipboardContent DefaultSettingsContent(const AppContext& context, const Form1& form1, Alignment alignment);

// The preview as RTF and plain text on the clipboard.
void MakeRTF(AppContext& context, const Form1& form1, Alignment alignment);

// The preview as an HTML fragment; the two texts are the HTML bar's size boxes.
void MakeTag(AppContext& context, const Form1& form1, const QString& combo2Text, const QString& combo3Text);

// The font-name form index (0, 2..6) of ContextFontName, or of the preview font when no
// font menu has set one; ContextFontName is then left empty.
void CopyFontName(AppContext& context, int index);

} // namespace typecask
