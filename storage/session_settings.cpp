#include "storage/session_settings.h"

#include "core/session.h"

namespace typecask {

void applySettingsToSession(const AppSettings& s, Session& session)
{
    AppState& st = session.state;
    session.filter.allFontTypes = s.allFontTypes;
    for (int i = 0; i < 4; ++i)
        session.filter.categories[i] = s.categories[i] == 1;
    st.PreviewSize = s.previewSize;
    st.PreviewAreaSize = s.previewAreaSize;
    st.ListSampleSize = s.listSampleSize;
    st.ListRowCount = s.listRowCount;
    st.ListVertical = s.listVertical;
    session.filter.showVerticalFonts = s.showVerticalFonts;
    session.selectionBarVisible = s.selectionBarVisible;
    st.SampleTextJapanese = s.sampleTextJapanese;
    st.SampleTextWestern = s.sampleTextWestern;
    st.SampleTextSymbol = s.sampleTextSymbol;
}

AppSettings settingsFromSession(const Session& session)
{
    const AppState& st = session.state;
    AppSettings s;
    s.allFontTypes = session.filter.allFontTypes;
    for (int i = 0; i < 4; ++i)
        s.categories[i] = session.filter.categories[i] ? 1 : 0;
    s.previewSize = st.PreviewSize;
    s.previewAreaSize = st.PreviewAreaSize;
    s.listSampleSize = st.ListSampleSize;
    s.listRowCount = st.ListRowCount;
    s.listVertical = st.ListVertical;
    s.showVerticalFonts = session.filter.showVerticalFonts;
    s.selectionBarVisible = session.selectionBarVisible;
    s.sampleTextJapanese = st.SampleTextJapanese;
    s.sampleTextWestern = st.SampleTextWestern;
    s.sampleTextSymbol = st.SampleTextSymbol;
    return s;
}

} // namespace typecask
