// The font sample list window's rules without its widgets: the row height and count, the
// scroll range for a window height, which name each row of a page shows and the texts it
// draws. Form18 measures and paints; everything it decides comes from here.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace typecask {

// The rows are this much taller than the label line and the sample line together (pixels).
constexpr int SampleListRowGap = 5;

// The height of "W" at 10 points and at the list's sample size, both in the row font, plus
// the gap.
int sampleListRowHeight(int labelLineHeight, int sampleLineHeight);
// ListRowCount: the rows a screen of that height can show, plus two.
int sampleListRowCount(int screenHeight, int rowHeight);

// VScroll1 for an area of a given height over n names.
struct SampleListScroll
{
    bool enabled = false;
    int maximum = 0;
    int largeChange = 1;
    int value = 0;
};
// Enabled only while fewer rows fit than there are names; the value is kept (within the new
// range) while enabled and reset to 0 when disabled. The large change is the rows that fit
// either way, so a page that needs no scrolling still draws every name.
SampleListScroll sampleListScroll(int nameCount, int areaHeight, int rowHeight, int value);

// The row label: the 1-based position, ": ", the name as the lists show it (visibleFontName).
QString sampleListLabel(int index, const QString& name);
// The sample as the rows draw it: one line, every CR LF removed.
QString sampleListText(const QString& sampleText);

// The name array of StartItiran: the handed names and one empty entry after them.
class SampleListNames
{
public:
    SampleListNames() = default;
    explicit SampleListNames(QStringList names) : m_names(std::move(names)) {}

    // n, the number of names (the empty entry not counted).
    int count() const { return static_cast<int>(m_names.size()); }
    // The name at index; empty for the trailing entry and outside 0..n.
    QString at(int index) const;
    // Whether index lies in 0..n, the entries a row may point at (the empty one included).
    bool holds(int index) const { return index >= 0 && index <= count(); }

    // M_ItiHyouzi(first, last): the indexes drawn into rows 0, 1, 2 ...; it stops at the
    // last name.
    std::vector<int> page(int first, int last) const;
    // The name a double click on row i of a page starting at value opens; empty: nothing.
    QString pickedName(int value, int row) const;

private:
    QStringList m_names;
};

} // namespace typecask
