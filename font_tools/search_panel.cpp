#include "font_tools/search_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace typecask {

namespace {

QCheckBox* checkBox(const QString& caption, const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(true);
    return box;
}

// A fraction bar (plain) or a separator (sunken).
QFrame* line(const QString& name, QWidget* parent, QFrame::Shadow shadow = QFrame::Plain)
{
    auto* l = new QFrame(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(shadow);
    return l;
}

} // namespace

SearchPanel::SearchPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"Picture1"_qs);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* frame1 = new QGroupBox(u"ﾌｫﾝﾄの種類"_qs, this);
    frame1->setObjectName(u"Frame1"_qs);
    auto* kinds = new QGridLayout(frame1);
    const QString charsets[] = {u"欧文"_qs, u"日本語"_qs, u"特殊記号"_qs, u"その他"_qs};
    const QString types[] = {u"DEVICE"_qs, u"TRUETYPE"_qs, u"RASTER"_qs, u"その他"_qs};
    for (int i = 0; i < 4; ++i) {
        m_Check2[static_cast<std::size_t>(i)] = checkBox(charsets[i], u"Check2(%1)"_qs.arg(i), frame1);
        m_Check1[static_cast<std::size_t>(i)] = checkBox(types[i], u"Check1(%1)"_qs.arg(i), frame1);
        kinds->addWidget(m_Check2[static_cast<std::size_t>(i)], i, 0);
        kinds->addWidget(m_Check1[static_cast<std::size_t>(i)], i, 1);
    }
    kinds->addWidget(line(QString(), frame1, QFrame::Sunken), 4, 0, 1, 2);
    const QString families[] = {u"装飾付き"_qs,   u"なし"_qs,
                                u"固定ピッチ"_qs, u"比例間隔（セリフあり）"_qs,
                                u"手書き風"_qs,   u"比例間隔（セリフなし）"_qs};
    // Those with a short caption on the left, the proportional ones on the right.
    const int places[6][2] = {{5, 0}, {6, 0}, {7, 0}, {5, 1}, {8, 0}, {6, 1}};
    for (int i = 0; i < 6; ++i) {
        m_Check6[static_cast<std::size_t>(i)] = checkBox(families[i], u"Check6(%1)"_qs.arg(i), frame1);
        kinds->addWidget(m_Check6[static_cast<std::size_t>(i)], places[i][0], places[i][1]);
    }
    layout->addWidget(frame1);

    m_Check3 = new QCheckBox(u"ﾌｫﾝﾄの大きさも調べる"_qs, this);
    m_Check3->setObjectName(u"Check3"_qs);
    layout->addWidget(m_Check3);

    m_Frame2 = new QGroupBox(u"大きさ指定"_qs, this);
    m_Frame2->setObjectName(u"Frame2"_qs);
    auto* ratio = new QGridLayout(m_Frame2);
    auto* label1 = new QLabel(u"ﾌｫﾝﾄの幅"_qs, m_Frame2);
    label1->setObjectName(u"Label1"_qs);
    auto* label2 = new QLabel(u"ﾌｫﾝﾄの高さ"_qs, m_Frame2);
    label2->setObjectName(u"Label2"_qs);
    auto* label3 = new QLabel(u"１００"_qs, m_Frame2);
    label3->setObjectName(u"Label3"_qs);
    m_Command2 = new QPushButton(u">"_qs, m_Frame2);
    m_Command2->setObjectName(u"Command2"_qs);
    m_Command2->setFixedWidth(m_Command2->fontMetrics().horizontalAdvance(u"<"_qs) * 4 + 8);
    m_Text2 = new QLineEdit(u"50"_qs, m_Frame2);
    m_Text2->setObjectName(u"Text2"_qs);
    m_Text2->setAlignment(Qt::AlignCenter);
    m_Text2->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_qs), m_Text2));
    m_Text2->setMaximumWidth(m_Text2->fontMetrics().horizontalAdvance(u"00000"_qs) * 2);
    // width / height  > or <  Text2 / 100
    for (QLabel* l : {label1, label2, label3})
        l->setAlignment(Qt::AlignCenter);
    ratio->addWidget(label1, 0, 0);
    ratio->addWidget(line(u"Line1"_qs, m_Frame2), 1, 0);
    ratio->addWidget(label2, 2, 0);
    ratio->addWidget(m_Command2, 0, 1, 3, 1, Qt::AlignCenter);
    ratio->addWidget(m_Text2, 0, 2, Qt::AlignHCenter);
    ratio->addWidget(line(u"Line2"_qs, m_Frame2), 1, 2);
    ratio->addWidget(label3, 2, 2);
    layout->addWidget(m_Frame2);

    auto* setFrame = new QGroupBox(u"文字セット"_qs, this);
    setFrame->setObjectName(u"SetFrame"_qs);
    auto* setRow = new QHBoxLayout(setFrame);
    m_setChoice = new QComboBox(setFrame);
    m_setChoice->setObjectName(u"SetChoice"_qs);
    m_setChoice->addItem(u"指定なし"_qs);
    for (const JapaneseSet& s : japaneseSets())
        m_setChoice->addItem(s.label);
    m_setPercent = new QSpinBox(setFrame);
    m_setPercent->setObjectName(u"SetPercent"_qs);
    m_setPercent->setRange(1, 100);
    m_setPercent->setValue(100);
    m_setPercent->setSuffix(u"%以上"_qs);
    m_setPercent->setEnabled(false);
    setRow->addWidget(m_setChoice, 1);
    setRow->addWidget(m_setPercent);
    layout->addWidget(setFrame);

    auto* coversFrame = new QGroupBox(u"この文字列をすべて表示できる"_qs, this);
    coversFrame->setObjectName(u"CoversFrame"_qs);
    auto* coversRow = new QHBoxLayout(coversFrame);
    m_coversText = new QLineEdit(coversFrame);
    m_coversText->setObjectName(u"CoversText"_qs);
    coversRow->addWidget(m_coversText);
    layout->addWidget(coversFrame);
    layout->addStretch();

    connect(m_setChoice, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_setPercent->setEnabled(index > 0); });

    connect(m_Check3, &QCheckBox::clicked, this, &SearchPanel::Check3_Click);
    connect(m_Command2, &QPushButton::clicked, this, &SearchPanel::Command2_Click);
    Check3_Click();
}

void SearchPanel::Check3_Click()
{
    // Frame2 carries Label1..3, Command2 and Text2 with it.
    m_Frame2->setEnabled(m_Check3->isChecked());
}

void SearchPanel::Command2_Click()
{
    m_Command2->setText(m_Command2->text() == u">" ? u"<"_qs : u">"_qs);
}

void SearchPanel::checkThreshold()
{
    const QString usable = searchThresholdText(m_Text2->text());
    if (usable != m_Text2->text())
        m_Text2->setText(usable);
}

DetailedConditions SearchPanel::conditions() const
{
    DetailedConditions c;
    for (std::size_t i = 0; i < 4; ++i) {
        c.charsets[i] = m_Check2[i]->isChecked();
        c.fontTypes[i] = m_Check1[i]->isChecked();
    }
    for (std::size_t i = 0; i < 6; ++i)
        c.families[i] = m_Check6[i]->isChecked();
    c.ratio = m_Check3->isChecked();
    c.atMost = m_Command2->text() == u"<";
    c.threshold = searchThresholdText(m_Text2->text()).toInt();
    c.set = m_setChoice->currentIndex() - 1;
    c.setPercent = m_setPercent->value();
    // A half of a surrogate pair cannot be typed; text holding one asks for nothing.
    c.covers = charactersToCover(m_coversText->text()).value_or(std::vector<char32_t>());
    return c;
}

} // namespace typecask
