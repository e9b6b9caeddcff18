#include "dialogs/settings_values.h"

#include "core/session.h"
#include "core/text_helpers.h"
#include "storage/settings_file.h"

namespace typecask {

SampleTexts resetSampleTexts()
{
    const AppSettings defaults;
    return {defaults.sampleTextJapanese, defaults.sampleTextWestern, defaults.sampleTextSymbol};
}

SampleTexts longSampleTexts()
{
    return {u"あいうえおかきくけこアイウエオカキクケコ亜亥宇江尾化期区毛個０１２３４５６７８９"_qs,
            u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"_qs,
            u"& !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~｡｢｣､･"_qs};
}

SettingsDialogValues settingsDialogValues(const Session& session)
{
    const AppState& st = session.state;
    SettingsDialogValues v;
    v.texts = {st.SampleTextJapanese, st.SampleTextWestern, st.SampleTextSymbol};
    v.showVerticalFonts = session.filter.showVerticalFonts;
    v.previewAreaSize = st.PreviewAreaSize;
    v.listVertical = st.ListVertical;
    v.listSampleSize = st.ListSampleSize;
    return v;
}

void storeSettingsDialogValues(const SettingsDialogValues& values, Session& session)
{
    AppState& st = session.state;
    session.filter.showVerticalFonts = values.showVerticalFonts;
    st.SampleTextJapanese = oneLineSampleText(values.texts.japanese);
    st.SampleTextWestern = oneLineSampleText(values.texts.western);
    st.SampleTextSymbol = oneLineSampleText(values.texts.symbol);
    st.ListSampleSize = values.listSampleSize;
    st.ListVertical = values.listVertical;
    st.PreviewAreaSize = values.previewAreaSize == 2 ? 2 : values.previewAreaSize == 1 ? 1 : 0;
}

QString oneLineSampleText(const QString& text)
{
    // CR LF as typed on Windows; a lone LF is how Qt's text boxes report a line break.
    return replaceAll(replaceAll(text, u"\r\n"_qs, QString()), u"\n"_qs, QString());
}

int listSampleSizeForChoice(int position)
{
    return position + 8;
}

} // namespace typecask
