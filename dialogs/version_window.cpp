#include "dialogs/version_window.h"

#include "core/services.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace typecask {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(align);
    return l;
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

Form5::Form5(const FontCatalog& catalog, RandomSource& random, Shell& shell, QWidget* parent)
    : QDialog(parent), m_catalog(catalog), m_random(random), m_shell(shell)
{
    setObjectName(u"Form5"_qs);
    setWindowTitle(u"ﾊﾞｰｼﾞｮﾝ情報"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* outer = new QVBoxLayout(this);

    auto* head = new QHBoxLayout;
    m_Picture1 = makeLabel(this, u"Picture1"_qs, QString(), Qt::AlignTop | Qt::AlignHCenter);
    m_Picture1->setFixedSize(40, 40);
    head->addWidget(m_Picture1, 0, Qt::AlignTop);
    auto* titles = new QVBoxLayout;
    Label1 = makeLabel(this, u"Label1"_qs, u"Typecask"_qs);
    m_designFont = Label1->font();
    m_designFont.setPointSize(24);
    Label1->setFont(m_designFont);
    titles->addWidget(Label1);
    titles->addWidget(makeLabel(this, u"Label2"_qs, VersionText));
    titles->addWidget(makeLabel(this, u"Label3"_qs, MakerNotice));
    head->addLayout(titles, 1);
    outer->addLayout(head);
    outer->addWidget(separator(this));

    // The count table: rows Japanese, Western, symbol, other, total; columns TrueType,
    // other, total.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(24);
    const QString columns[3] = {u"TrueType"_qs, u"その他"_qs, u"合計"_qs};
    for (int c = 0; c < 3; ++c)
        table->addWidget(makeLabel(this, u"Label%1"_qs.arg(23 + c), columns[c], Qt::AlignRight), 0, c + 1);
    const QString rows[5] = {u"日本語"_qs, u"欧文"_qs, u"記号"_qs, u"その他"_qs, u"合計"_qs};
    const QString rowNames[5] = {u"Label4"_qs, u"Label5"_qs, u"Label6"_qs, u"Label7"_qs, u"Label26"_qs};
    for (int r = 0; r < 5; ++r)
        table->addWidget(makeLabel(this, rowNames[r], rows[r]), r + 1, 0);
    for (int i = 0; i < VersionCountCount; ++i) {
        // Label8.. fill the table column by column, the totals row last.
        const int row = i < 12 ? i % 4 : 4;
        const int column = i < 12 ? i / 4 : i - 12;
        auto* l = makeLabel(this, u"Label%1"_qs.arg(8 + i), u"0"_qs, Qt::AlignRight | Qt::AlignVCenter);
        m_counts[static_cast<std::size_t>(i)] = l;
        table->addWidget(l, row + 1, column + 1);
    }
    table->setColumnStretch(0, 1);
    outer->addLayout(table);
    outer->addWidget(separator(this));

    Label27 = makeLabel(this, u"Label27"_qs, HomePageAddress);
    Label27->setCursor(Qt::PointingHandCursor);
    QPalette link = Label27->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    Label27->setPalette(link);
    QFont underlined = Label27->font();
    underlined.setUnderline(true);
    Label27->setFont(underlined);
    Label27->installEventFilter(this);
    outer->addWidget(Label27);

    auto* buttons = new QHBoxLayout;
    auto* c2 = new QPushButton(u"ホームページ"_qs, this);
    c2->setObjectName(u"Command2"_qs);
    auto* c1 = new QPushButton(u"OK"_qs, this);
    c1->setObjectName(u"Command1"_qs);
    c1->setDefault(true);
    buttons->addWidget(c2);
    buttons->addStretch();
    buttons->addWidget(c1);
    outer->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Any key closes the window, whichever control has the focus.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    connect(c1, &QPushButton::clicked, this, &QDialog::accept);
    connect(c2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::Form_Load()
{
    // 1: the name in a random Western TrueType family; without one, in its design font.
    const QString family = versionNameFamily(m_catalog, m_random.next());
    QFont f = m_designFont;
    if (!family.isEmpty())
        f.setFamilies({family});
    Label1->setFont(f);
    Label1->setToolTip(family); // as the catalog names it, not as Qt qualifies it ("Z003 [urw]")
    // 2: the program's icon.
    const QIcon icon = parentWidget() ? parentWidget()->windowIcon() : QApplication::windowIcon();
    m_Picture1->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(32, 32));
    m_Picture1->setVisible(!icon.isNull()); // no empty square beside the name
    // 3: the counts.
    const auto counts = versionCounts(m_catalog);
    for (int i = 0; i < VersionCountCount; ++i)
        count(i)->setText(QString::number(counts[static_cast<std::size_t>(i)]));
}

void Form5::Command2_Click()
{
    m_shell.open(Label27->text());
}

bool Form5::Form_KeyPress(const QKeyEvent& event)
{
    // A key that types something (Escape and Enter included); not a modifier or an arrow,
    // nor the repeats of a key held down as the window opened.
    if (event.isAutoRepeat() || event.text().isEmpty())
        return false;
    accept();
    return true;
}

void Form5::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyPress(*event))
        QDialog::keyPressEvent(event);
}

bool Form5::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && Form_KeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == Label27 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Command2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace typecask
