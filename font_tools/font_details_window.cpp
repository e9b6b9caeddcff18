#include "font_tools/font_details_window.h"

#include "core/fontconfig_source.h"
#include "core/vertical_text.h"
#include "platform/qt_units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

namespace typecask {

namespace {

// Design positions in twips: left, top, width (height is one line of the label's font).
struct Place
{
    int index;
    int left;
    int top;
    int width;
    Qt::Alignment align = Qt::AlignLeft;
};

constexpr int DesignWidth = 4680;
constexpr int Margin = 240;
constexpr int RowHeight = 270;
constexpr int SampleTop = 3690;

constexpr Place Places[] = {
    {0, 120, 120, 4440},
    {1, 240, 570, 2040},
    {2, 2400, 570, 2040},
    {12, 240, 840, 4200},
    {6, 240, 1230, 1560},
    {3, 2040, 1230, 1200},
    {7, 240, 1500, 1560},
    {4, 2040, 1500, 1200},
    {8, 240, 1770, 1560},
    {5, 2040, 1770, 1200},
    {10, 240, 2160, 4200},
    {11, 360, 2430, 900, Qt::AlignRight},
    {13, 1440, 2430, 1320, Qt::AlignRight},
    {14, 2880, 2430, 1320, Qt::AlignRight},
    {15, 360, 2760, 900, Qt::AlignRight},
    {16, 1440, 2760, 1320, Qt::AlignRight},
    {17, 2880, 2760, 1320, Qt::AlignRight},
    {18, 360, 3030, 900, Qt::AlignRight},
    {19, 1440, 3030, 1320, Qt::AlignRight},
    {20, 2880, 3030, 1320, Qt::AlignRight},
    {21, 360, 3300, 900, Qt::AlignRight},
    {22, 1440, 3300, 1320, Qt::AlignRight},
    {23, 2880, 3300, 1320, Qt::AlignRight},
};

// Separators under the name, the family, the metrics, the table head and the table.
constexpr int LineTops[] = {480, 1140, 2070, 2700, 3600};

QFont designFont(int pointSize, bool bold = false)
{
    // The design face where it exists, the desktop's own otherwise.
    QFont f;
    f.setFamilies({u"ＭＳ Ｐゴシック"_qs, QApplication::font().family()});
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

// The characters a family lacks, for selecting and copying. The window closes on the first key,
// but keys typed here are the box's (Escape still closes); it takes the focus only when clicked.
// Laying out thousands of characters takes long, so the box shows their beginning until it is
// clicked, and all of them from then on.
class MissingCharactersBox final : public QLineEdit
{
public:
    explicit MissingCharactersBox(QWidget* parent) : QLineEdit(parent)
    {
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
        setToolTip(u"このフォントにない文字（選択してコピーできます）"_qs);
        // The Japanese font fontconfig prefers has most of them; Qt draws the others in another
        // font that has them.
        static const QString japanese = matchedFamily(u"sans-serif:lang=ja"_qs);
        QFont f = QApplication::font();
        f.setFamilies({japanese, QApplication::font().family()});
        setFont(f);
    }

    void setMissing(const QString& missing)
    {
        constexpr qsizetype Shown = 64; // far more than the box is wide
        m_missing = missing;
        qsizetype end = std::min(Shown, missing.size());
        if (end > 0 && end < missing.size() && missing[end - 1].isHighSurrogate())
            --end; // never half a pair
        setText(end < missing.size() ? missing.left(end) + u'…' : missing);
        setCursorPosition(0);
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        if (text() != m_missing) {
            setText(m_missing);
            setCursorPosition(0);
        }
        QLineEdit::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        QLineEdit::keyPressEvent(event);
        if (event->key() != Qt::Key_Escape)
            event->accept();
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            event->ignore();
        else
            event->accept();
    }

private:
    QString m_missing;
};

} // namespace

TextExtent measureFontDetailsText(const QString& text, const QString& face, int pointSize, bool bold,
                                  bool italic)
{
    QFont f(horizontalFamilyName(face), pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    const QFontMetricsF fm(f);
    return {fm.horizontalAdvance(text), fm.height()};
}

Form9::Form9(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"Form9"_qs);
    setWindowTitle(u"詳細"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(designFont(9));

    const std::array<QString, FontDetailsLabelCount> captions = fontDetailsDesignCaptions();
    for (int i = 0; i < FontDetailsLabelCount; ++i) {
        auto* l = new QLabel(captions[static_cast<std::size_t>(i)], this);
        l->setObjectName(u"Label1(%1)"_qs.arg(i));
        m_Label1[static_cast<std::size_t>(i)] = l;
    }
    label(DetailsFaceName)->setFont(designFont(12, true));
    for (const Place& p : Places) {
        QLabel* l = label(p.index);
        l->setAlignment(p.align | Qt::AlignVCenter);
        l->setGeometry(twipsRect(p.left, p.top, p.width, p.index == 0 ? 330 : RowHeight));
    }
    const QString colonNames[3] = {u"Label2"_qs, u"Label3"_qs, QString()};
    for (int row = 0; row < 3; ++row) {
        auto* colon = new QLabel(u"："_qs, this);
        colon->setObjectName(colonNames[row]);
        colon->setGeometry(twipsRect(1800, 1230 + row * 270, 240, RowHeight));
    }
    for (int i = 0; i < 5; ++i) {
        auto* line = m_lines[static_cast<std::size_t>(i)] = new QFrame(this);
        line->setObjectName(u"Line%1"_qs.arg(i + 1));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(twipsToPixels(120), twipsToPixels(LineTops[i]), twipsToPixels(DesignWidth - 240),
                          2);
    }
    QLabel* sample = label(DetailsSample);
    sample->setFont(designFont(12));
    sample->move(twipsToPixels(Margin), twipsToPixels(SampleTop));

    m_coverageLine = new QFrame(this);
    m_coverageLine->setObjectName(u"CoverageLine"_qs);
    m_coverageLine->setFrameShape(QFrame::HLine);
    m_coverageLine->setFrameShadow(QFrame::Sunken);
    m_coverage = new QWidget(this);
    m_coverage->setObjectName(u"Coverage"_qs);
    auto* grid = new QGridLayout(m_coverage);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto* heading = new QLabel(u"文字セット"_qs, m_coverage);
    heading->setObjectName(u"CoverageHeading"_qs);
    grid->addWidget(heading, 0, 0, 1, 2);
    const std::size_t sets = japaneseSets().size();
    for (std::size_t i = 0; i < sets; ++i) {
        auto* line = new QLabel(m_coverage);
        line->setObjectName(u"CoverageLabel(%1)"_qs.arg(i));
        auto* box = new MissingCharactersBox(m_coverage);
        box->setObjectName(u"CoverageMissing(%1)"_qs.arg(i));
        grid->addWidget(line, static_cast<int>(i) + 1, 0);
        grid->addWidget(box, static_cast<int>(i) + 1, 1);
        // Rows keep the box's height when it is hidden, so that the lines stay evenly spaced.
        grid->setRowMinimumHeight(static_cast<int>(i) + 1, box->sizeHint().height());
        m_coverageLabels.push_back(line);
        m_missingBoxes.push_back(box);
    }
    grid->setColumnStretch(1, 1);
    fill({captions, {}, QString()});
}

void Form9::fill(const FontDetailsView& view)
{
    for (int i = 0; i < FontDetailsLabelCount; ++i)
        label(i)->setText(view.labels[static_cast<std::size_t>(i)]);
    QLabel* sample = label(DetailsSample);
    if (!view.faceName.isEmpty()) {
        QFont f(horizontalFamilyName(view.faceName), 12);
        sample->setFont(f);
    }
    sample->adjustSize(); // the sample sizes itself to its text
    for (std::size_t i = 0; i < m_coverageLabels.size(); ++i) {
        const CoverageRow* row = i < view.coverage.size() ? &view.coverage[i] : nullptr;
        m_coverageLabels[i]->setText(row ? row->text : QString());
        static_cast<MissingCharactersBox*>(m_missingBoxes[i])->setMissing(row ? row->missing : QString());
        m_missingBoxes[i]->setVisible(row && !row->missing.isEmpty());
    }
    // Below the sample, the coverage of a family the catalog holds.
    m_coverage->setVisible(!view.coverage.empty());
    m_coverageLine->setVisible(!view.coverage.empty());
    const int width =
        std::max(twipsToPixels(DesignWidth), sample->geometry().right() + twipsToPixels(Margin));
    int bottom = sample->geometry().bottom();
    if (!view.coverage.empty()) {
        const int left = twipsToPixels(Margin);
        m_coverageLine->setGeometry(twipsToPixels(120), bottom + twipsToPixels(120),
                                    width - 2 * twipsToPixels(120), 2);
        m_coverage->setGeometry(left, bottom + twipsToPixels(240), width - 2 * left,
                                m_coverage->sizeHint().height());
        bottom = m_coverage->geometry().bottom();
    }
    // The whole sample shows, with the margin the labels keep at the top.
    const int height = bottom + twipsToPixels(Margin);
    setFixedSize(width, height);
    // The separators and the name run across a window widened for a wide sample.
    for (QFrame* line : m_lines)
        line->resize(width - 2 * twipsToPixels(120), line->height());
    QLabel* name = label(DetailsFaceName);
    name->resize(width - name->x() - twipsToPixels(120), name->height());
    update();
}

void Form9::showEvent(QShowEvent* event)
{
    m_keysDown.clear(); // the window is kept between openings
    QDialog::showEvent(event);
}

void Form9::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}

void Form9::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        m_keysDown.insert(event->key());
    event->accept();
}

void Form9::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    if (!event->isAutoRepeat() && m_keysDown.contains(event->key()))
        accept();
}

} // namespace typecask
