#include "export/copy_commands.h"

#include "export/rtf_writer.h"

namespace typecask {

ClipboardContent currentSampleContent(const FontCatalog& catalog, const Sample& sample)
{
    return {sampleRtf(catalog, sample.fontName, sample.text, sample.size, sample.textColour, sample.italic,
                      sample.bold, sample.alignment),
            sample.text};
}

ClipboardContent defaultSettingsContent(const FontCatalog& catalog, const QString& boxFamily,
                                        Alignment alignment)
{
    const QString space = u" "_qs;
    return {sampleRtf(catalog, boxFamily, space, 9, 0, false, false, alignment), space};
}

void copySampleRtf(Clipboard& clipboard, const FontCatalog& catalog, const Sample& sample)
{
    // Clipboard::set replaces every format at once: the clear, RTF and text of one copy.
    clipboard.set(currentSampleContent(catalog, sample));
}

void copySampleHtml(Clipboard& clipboard, const Sample& sample, const HtmlTagOptions& options)
{
    clipboard.set({QByteArray(), typecask::sampleHtml(sample.fontName, sample.text, sample.textColour,
                                                      sample.bold, sample.italic, options)});
}

void copyFontName(AppState& state, Clipboard& clipboard, int index)
{
    // A name the copy takes from the preview is not kept: left in ContextFontName it would
    // be copied again after the preview has moved on to another family.
    const bool fromPreview = state.ContextFontName.isEmpty();
    if (std::optional<ClipboardContent> content = fontNameCopy(state, index))
        clipboard.set(*content);
    if (fromPreview)
        state.ContextFontName.clear();
}

} // namespace typecask
