#include "dialogs/settings_dialog.h"

#include "core/session.h"
#include "widgets/size_list.h"
#include "widgets/tool_window_host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace typecask {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const QString& name)
{
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setTabChangesFocus(true);
    // Two lines show; a longer text scrolls. A line is measured with Japanese in it: a Latin UI
    // font draws kana and kanji in a taller fallback face, and the box would scroll at once.
    QTextLayout sample(u"Ag日本語あ"_qs, t->font());
    sample.beginLayout();
    QTextLine line = sample.createLine();
    line.setLeadingIncluded(true);
    sample.endLayout();
    const qreal lineHeight = std::max(line.height(), QFontMetricsF(t->font()).lineSpacing());
    // The margin goes above the first line and below the last, and the box scrolls once the
    // lines reach the pixel row under the last margin.
    t->setFixedHeight(static_cast<int>(std::ceil(2 * lineHeight)) + 1 +
                      2 * (t->frameWidth() + static_cast<int>(std::ceil(t->document()->documentMargin()))));
    return t;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption)
{
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

} // namespace

Form17::Form17(Session& session, ToolWindowHost& host, QWidget* parent)
    : QDialog(parent), m_session(session), m_host(host)
{
    setObjectName(u"Form17"_qs);
    setWindowTitle(u"設定"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* outer = new QVBoxLayout(this);

    auto* frame2 = new QGroupBox(u"サンプル文字ショートカット"_qs, this);
    frame2->setObjectName(u"Frame2"_qs);
    auto* texts = new QGridLayout(frame2);
    Text1 = makeTextBox(frame2, u"Text1"_qs);
    Text2 = makeTextBox(frame2, u"Text2"_qs);
    Text3 = makeTextBox(frame2, u"Text3"_qs);
    texts->addWidget(makeLabel(frame2, u"Label1"_qs, u"日本語サンプル文字"_qs), 0, 0, Qt::AlignTop);
    texts->addWidget(Text1, 0, 1);
    texts->addWidget(makeLabel(frame2, u"Label2"_qs, u"欧文サンプル文字"_qs), 1, 0, Qt::AlignTop);
    texts->addWidget(Text2, 1, 1);
    texts->addWidget(makeLabel(frame2, u"Label3"_qs, u"記号サンプル文字"_qs), 2, 0, Qt::AlignTop);
    texts->addWidget(Text3, 2, 1);
    auto* textButtons = new QHBoxLayout;
    textButtons->addStretch();
    QPushButton* c3 = makeButton(frame2, u"Command3"_qs, u"初期化"_qs);
    QPushButton* c4 = makeButton(frame2, u"Command4"_qs, u"ロング"_qs);
    textButtons->addWidget(c3);
    textButtons->addWidget(c4);
    texts->addLayout(textButtons, 3, 0, 1, 2);
    texts->setColumnStretch(1, 1);
    outer->addWidget(frame2);

    auto* frames = new QHBoxLayout;
    auto* frame1 = new QGroupBox(u"表示フォント"_qs, this);
    frame1->setObjectName(u"Frame1"_qs);
    auto* shown = new QVBoxLayout(frame1);
    Check1 = new QCheckBox(u"縦書きフォントを表示する"_qs, frame1);
    Check1->setObjectName(u"Check1"_qs);
    shown->addWidget(Check1);
    shown->addWidget(makeLabel(frame1, u"Label6"_qs, u"フォントの表示部分の大きさ"_qs));
    auto* sizes = new QHBoxLayout;
    const QString sizeCaptions[3] = {u"小"_qs, u"中"_qs, u"大"_qs};
    for (int i = 0; i < 3; ++i) {
        Option2[static_cast<std::size_t>(i)] = makeOption(frame1, u"Option2(%1)"_qs.arg(i), sizeCaptions[i]);
        sizes->addWidget(Option2[static_cast<std::size_t>(i)]);
    }
    sizes->addStretch();
    shown->addLayout(sizes);
    shown->addStretch();
    frames->addWidget(frame1, 1);

    auto* frame3 = new QGroupBox(u"一覧表示"_qs, this);
    frame3->setObjectName(u"Frame3"_qs);
    auto* list = new QVBoxLayout(frame3);
    auto* directions = new QHBoxLayout;
    Option1[0] = makeOption(frame3, u"Option1(0)"_qs, u"縦に表示"_qs);
    Option1[1] = makeOption(frame3, u"Option1(1)"_qs, u"横に表示"_qs);
    directions->addWidget(Option1[0]);
    directions->addWidget(Option1[1]);
    directions->addStretch();
    list->addLayout(directions);
    auto* size = new QHBoxLayout;
    size->addWidget(makeLabel(frame3, u"Label4"_qs, u"フォントの大きさ"_qs));
    Combo1 = new SizeList(frame3);
    Combo1->setObjectName(u"Combo1"_qs);
    Combo1->setMaxVisibleItems(16);
    for (int i = 8; i <= 72; ++i)
        Combo1->addItem(QString::number(i));
    size->addWidget(Combo1);
    size->addStretch();
    list->addLayout(size);
    list->addStretch();
    frames->addWidget(frame3, 1);
    outer->addLayout(frames);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = makeButton(this, u"Command1"_qs, u"OK"_qs);
    QPushButton* cancel = makeButton(this, u"Command2"_qs, u"Cancel"_qs);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    resize(480, sizeHint().height());

    connect(c3, &QPushButton::clicked, this, &Form17::Command3_Click);
    connect(c4, &QPushButton::clicked, this, &Form17::Command4_Click);
    connect(ok, &QPushButton::clicked, this, &Form17::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Form17::setTexts(const SampleTexts& texts)
{
    Text1->setPlainText(texts.japanese);
    Text2->setPlainText(texts.western);
    Text3->setPlainText(texts.symbol);
}

void Form17::Form_Load()
{
    const SettingsDialogValues v = settingsDialogValues(m_session);
    // Position ListSampleSize - 8; a size outside the box's range chooses nothing.
    Combo1->setCurrentIndex(v.listSampleSize >= 8 && v.listSampleSize <= 72 ? v.listSampleSize - 8 : -1);
    Check1->setChecked(v.showVerticalFonts);
    setTexts(v.texts);
    Option1[v.listVertical ? 0 : 1]->setChecked(true);
    if (v.previewAreaSize >= 0 && v.previewAreaSize <= 2)
        Option2[static_cast<std::size_t>(v.previewAreaSize)]->setChecked(true);
}

void Form17::Command3_Click()
{
    setTexts(resetSampleTexts());
}

void Form17::Command4_Click()
{
    setTexts(longSampleTexts());
}

void Form17::Command1_Click()
{
    SettingsDialogValues v;
    v.showVerticalFonts = Check1->isChecked();
    v.texts = {Text1->toPlainText(), Text2->toPlainText(), Text3->toPlainText()};
    v.listSampleSize = listSampleSizeForChoice(Combo1->currentIndex());
    v.listVertical = Option1[0]->isChecked();
    v.previewAreaSize = Option2[2]->isChecked() ? 2 : Option2[1]->isChecked() ? 1 : 0;
    storeSettingsDialogValues(v, m_session);
    // The font list under the new filter, then the browser for the new preview size.
    m_host.settingsChanged();
    accept();
}

} // namespace typecask
