#include "export/copy_commands.h"

#include "core/colour.h"
#include "export/html_tag.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "main_window/preview_area.h"

#include <QFontInfo>

namespace typecask {

namespace {

std::int32_t previewColour(const Form1& form1)
{
    const QColor c = form1.Picture1->foreColor();
    return Rgb(c.red(), c.green(), c.blue());
}

} // namespace

ClipboardContent CurrentSampleContent(const AppContext& context, const Form1& form1, Alignment alignment)
{
    const AppState& s = context.state;
    const QString text = form1.Text1->text();
    return {MakeRTF2(context.catalog, s.CurrentFontName, text, s.PreviewSize, previewColour(form1),
                     s.PreviewItalic, s.PreviewBold, alignment),
            text};
}

ClipboardContent DefaultSettingsContent(const AppContext& context, const Form1& form1, Alignment alignment)
{
    const QString space = u" "_qs;
    // The family the box really draws in: its font may name a desktop alias ("Sans Serif")
    // that no word processor and no font table entry knows.
    const QString family = QFontInfo(form1.Text1->font()).family();
    return {MakeRTF2(context.catalog, family, space, 9, 0, false, false, alignment), space};
}

void MakeRTF(AppContext& context, const Form1& form1, Alignment alignment)
{
    // Clipboard::set replaces every format at once: the clear, RTF and text of one copy.
    context.clipboard->set(CurrentSampleContent(context, form1, alignment));
}

void MakeTag(AppContext& context, const Form1& form1, const QString& combo2Text, const QString& combo3Text)
{
    const AppState& s = context.state;
    const QString tag =
        typecask::MakeTag(s.CurrentFontName, form1.Text1->text(), previewColour(form1), s.PreviewBold,
                          s.PreviewItalic, HtmlTagOptionsFrom(s, combo2Text, combo3Text));
    context.clipboard->set({QByteArray(), tag});
}

void CopyFontName(AppContext& context, int index)
{
    // A name the copy takes from the preview is not kept: left in ContextFontName it would
    // be copied again after the preview has moved on to another family.
    const bool fromPreview = context.state.ContextFontName.isEmpty();
    if (std::optional<ClipboardContent> content = FontCoy_Bar_Click(context.state, index))
        context.clipboard->set(*content);
    if (fromPreview)
        context.state.ContextFontName.clear();
}

} // namespace typecask
