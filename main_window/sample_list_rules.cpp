#include "main_window/sample_list_rules.h"

#include "core/font_list_model.h"
#include "core/text_helpers.h"

#include <algorithm>

namespace typecask {

int sampleListRowHeight(int labelLineHeight, int sampleLineHeight)
{
    return labelLineHeight + sampleLineHeight + SampleListRowGap;
}

int sampleListRowCount(int screenHeight, int rowHeight)
{
    return screenHeight / std::max(1, rowHeight) + 2;
}

SampleListScroll sampleListScroll(int nameCount, int areaHeight, int rowHeight, int value)
{
    const int visible = std::max(0, areaHeight) / std::max(1, rowHeight);
    SampleListScroll s;
    // A page is what fits (every name when they all fit); a window too low for one whole row
    // still scrolls one name a page.
    s.largeChange = std::max(1, visible);
    if (visible >= nameCount)
        return s;
    s.enabled = true;
    s.maximum = nameCount - visible;
    s.value = std::clamp(value, 0, s.maximum);
    return s;
}

QString sampleListLabel(int index, const QString& name)
{
    return QString::number(index + 1) + u": "_qs + visibleFontName(name);
}

QString sampleListText(const QString& sampleText)
{
    return replaceAll(sampleText, u"\r\n"_qs, QString());
}

QString SampleListNames::at(int index) const
{
    return index >= 0 && index < count() ? m_names[index] : QString();
}

std::vector<int> SampleListNames::page(int first, int last) const
{
    std::vector<int> indexes;
    for (int i = std::max(0, first); i <= last && i <= count() - 1; ++i)
        indexes.push_back(i);
    return indexes;
}

QString SampleListNames::pickedName(int value, int row) const
{
    return holds(value + row) ? at(value + row) : QString();
}

} // namespace typecask
