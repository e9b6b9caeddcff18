// The copy commands and drag-outs: what each puts on the clipboard or into a drag, made
// from the sample at the moment of the copy.
#pragma once

#include "core/app_state.h"
#include "core/font_catalog.h"
#include "core/sample.h"
#include "core/services.h"
#include "export/html_tag.h"

#include <QString>

namespace typecask {

// The sample as RTF, then its text.
ClipboardContent currentSampleContent(const FontCatalog& catalog, const Sample& sample);

// The sample box's own family with one space at 9 points, black and upright; only the
// alignment follows the main window.
ClipboardContent defaultSettingsContent(const FontCatalog& catalog, const QString& boxFamily,
                                        Alignment alignment);

// The sample as RTF and plain text on the clipboard.
void copySampleRtf(Clipboard& clipboard, const FontCatalog& catalog, const Sample& sample);

// The sample as an HTML fragment.
void copySampleHtml(Clipboard& clipboard, const Sample& sample, const HtmlTagOptions& options);

// The font-name form index (0, 2..6) of ContextFontName, or of the preview font when no
// font menu has set one; ContextFontName is then left empty.
void copyFontName(AppState& state, Clipboard& clipboard, int index);

} // namespace typecask
