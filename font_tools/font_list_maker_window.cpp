#include "font_tools/font_list_maker_window.h"

#include "core/colour.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "core/services.h"
#include "font_tools/font_list_pages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace typecask {

namespace {

template <typename W> W* named(W* widget, const QString& name, const QString& tip = {})
{
    widget->setObjectName(name);
    widget->setToolTip(tip);
    return widget;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QString& tip = {})
{
    return named(new QLabel(caption, parent), name, tip);
}

} // namespace

Form4::Form4(Shell& shell, MessageBox& messages, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_messages(messages), m_model(new FontListModel(this))
{
    setObjectName(u"Form4"_qs);
    setWindowTitle(u"一覧作成"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Option1[0] = named(new QRadioButton(u"現在表示中のフォント"_qs, this), u"Option1(0)"_qs);
    Option1[1] = named(new QRadioButton(u"お気に入り"_qs, this), u"Option1(1)"_qs);
    QLabel* l16 = label(this, u"Label16"_qs, u"出力ﾌｫﾝﾄ一覧"_qs);
    m_List1 = named(new QListView(this), u"List1"_qs, u"出力するﾌｫﾝﾄの一覧です"_qs);
    m_List1->setModel(m_model);
    m_List1->setUniformItemSizes(true);
    m_List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Label15 = label(this, u"Label15"_qs, u"0"_qs, u"出力するﾌｫﾝﾄの数"_qs);

    m_Frame1 = named(new QGroupBox(this), u"Frame1"_qs);
    QLabel* l12 = label(m_Frame1, u"Label12"_qs, u"１ページに表示するフォントの数"_qs);
    Combo1 = named(new QComboBox(m_Frame1), u"Combo1"_qs, u"１ページに表示するフォントの数"_qs);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Label14 = label(m_Frame1, u"Label14"_qs, QString(), u"トータルページ数です．"_qs);
    Label14->setMinimumWidth(Label14->fontMetrics().horizontalAdvance(u"??????"_qs) + 4);
    Label14->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* l13 = label(m_Frame1, u"Label13"_qs, u"ページ"_qs);
    QLabel* l10 = label(m_Frame1, u"Label10"_qs, u"出力文字"_qs, u"一覧に使われるサンプル文字"_qs);
    Text1 = named(new QLineEdit(m_Frame1), u"Text1"_qs, u"作成される一覧のサンプル文字"_qs);
    QLabel* l5 = label(m_Frame1, u"Label5"_qs, u"フォントの大きさ"_qs, u"一覧に使われるフォントの大きさ"_qs);
    Combo2 = named(new QComboBox(m_Frame1), u"Combo2"_qs, u"作成される一覧のﾌｫﾝﾄの大きさ"_qs);
    for (int i = 1; i <= 7; ++i)
        Combo2->addItem(QString::number(i));
    QLabel* l1 = label(m_Frame1, u"Label1"_qs, u"フォントの色"_qs, u"一覧に使われるフォントの色"_qs);
    m_Label2 = label(m_Frame1, u"Label2"_qs, QString(), u"一覧に使われるフォントの色"_qs);
    QLabel* l3 = label(m_Frame1, u"Label3"_qs, u"背景色"_qs, u"一覧に使われる背景色"_qs);
    m_Label4 = label(m_Frame1, u"Label4"_qs, QString(), u"一覧に使われる背景色"_qs);
    Check2 = named(new QCheckBox(u"Italic"_qs, m_Frame1), u"Check2"_qs,
                   u"サンプルにItalicも追加するか しないかを指定"_qs);
    Check3 = named(new QCheckBox(u"Bold"_qs, m_Frame1), u"Check3"_qs,
                   u"サンプルにBoldも追加するか しないかを指定"_qs);
    Check4 = named(new QCheckBox(u"Italic-Bold"_qs, m_Frame1), u"Check4"_qs,
                   u"サンプルにItalic-Boldも追加するか しないかを指定"_qs);
    QLabel* l7 = label(m_Frame1, u"Label7"_qs, u"ファイルの出力先"_qs);
    m_Label8 = label(m_Frame1, u"Label8"_qs, QString(),
                     u"作成された一覧の保存場所．ＴＹＰＥＣＡＳＫと同じフォルダに保存されます．"_qs);
    m_Label8->setWordWrap(true);
    m_Label8->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Check1 = named(new QCheckBox(u"作成後ブラウザで開く"_qs, m_Frame1), u"Check1"_qs,
                   u"一覧作成終了後、一覧をウェブブラウザで開きます．"_qs);
    Label9 = label(this, u"Label9"_qs, u"0%"_qs);
    m_Command1 = named(new QPushButton(u"OK"_qs, this), u"Command1"_qs, u"一覧を作成します．"_qs);
    m_Command2 = named(new QPushButton(u"Cancel"_qs, this), u"Command2"_qs, u"一覧作成を中止します．"_qs);
    m_Command1->setDefault(true);

    auto* frame = new QGridLayout(m_Frame1);
    frame->addWidget(l12, 0, 0, 1, 3);
    frame->addWidget(Combo1, 1, 0);
    frame->addWidget(Label14, 1, 1);
    frame->addWidget(l13, 1, 2);
    frame->addWidget(l10, 2, 0);
    frame->addWidget(Text1, 3, 0, 1, 3);
    frame->addWidget(l5, 4, 0);
    frame->addWidget(Combo2, 4, 1, 1, 2);
    frame->addWidget(l1, 5, 0);
    frame->addWidget(m_Label2, 5, 1, 1, 2);
    frame->addWidget(l3, 6, 0);
    frame->addWidget(m_Label4, 6, 1, 1, 2);
    auto* styles = new QHBoxLayout;
    styles->addWidget(Check2);
    styles->addWidget(Check3);
    styles->addWidget(Check4);
    styles->addStretch();
    frame->addLayout(styles, 7, 0, 1, 3);
    frame->addWidget(l7, 8, 0, 1, 3);
    frame->addWidget(m_Label8, 9, 0, 1, 3);
    frame->addWidget(Check1, 10, 0, 1, 3);
    frame->setRowStretch(11, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(Option1[0]);
    left->addWidget(Option1[1]);
    left->addWidget(l16);
    left->addWidget(m_List1, 1);
    left->addWidget(m_Label15, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(m_Frame1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label9);
    bottom->addStretch();
    bottom->addWidget(m_Command1);
    bottom->addWidget(m_Command2);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(bottom);
    resize(560, 420);

    for (QRadioButton* o : Option1)
        connect(o, &QRadioButton::clicked, this, &Form4::Option1_Click);
    connect(Combo1, &QComboBox::editTextChanged, this, &Form4::Combo1_Change);
    connect(Check1, &QCheckBox::clicked, this, [this] { m_openAfterwards = !m_openAfterwards; });
    connect(m_Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void Form4::Form_Load(const QStringList& fontList, const QStringList& favorites, const Sample& sample,
                      const QString& programFolder)
{
    m_fontList = fontList;
    m_favorites = favorites;
    m_programFolder = programFolder;
    Combo1->clear();
    Combo1->addItems({u"10"_qs, u"20"_qs, u"50"_qs, u"100"_qs, AllFontsPerPage});
    Combo1->setCurrentIndex(4);
    m_Label2->setText(u'#' + colourToHex(sample.textColour));
    m_Label4->setText(u'#' + colourToHex(sample.backColour));
    Text1->setText(sample.text);
    m_Label8->setText(programFolder);
    Combo2->setCurrentIndex(2);
    for (QCheckBox* c : {Check1, Check2, Check3, Check4})
        c->setChecked(false);
    m_openAfterwards = false;
    Label9->setText(u"0%"_qs);
    Option1[0]->setChecked(true);
    Option1_Click();
}

void Form4::Option1_Click()
{
    QStringList names = Option1[0]->isChecked() ? m_fontList : m_favorites;
    sortIgnoringCase(names); // a sorted list box
    m_model->setNames(std::move(names));
    Combo1_Change();
    m_Label15->setText(QString::number(m_model->count()));
}

void Form4::Combo1_Change()
{
    Label14->setText(fontListPageCount(Combo1->currentText(), m_model->count()));
}

QStringList Form4::outputNames() const
{
    return m_model->names();
}

void Form4::Command1_Click()
{
    if (Label14->text() == UnknownPageCount || m_writing)
        return;
    const QStringList names = m_model->names();
    const qint64 perPage = FontsPerPage(Combo1->currentText(), names.size()).value_or(0);
    if (Combo1->currentText() != AllFontsPerPage && perPage > MaxFontsPerPage) {
        m_messages.warning(u"１ページに表示するフォントの数は 1 から 32767 までの数にしてください"_qs);
        return;
    }
    FontListStyle style;
    style.size = Combo2->currentText();
    style.textColour = m_Label2->text();
    style.backColour = m_Label4->text();
    style.sample = Text1->text();
    style.italic = Check2->isChecked();
    style.bold = Check3->isChecked();
    style.boldItalic = Check4->isChecked();

    const QString folder = fontListFolder(m_programFolder);
    setEnabled(false);
    m_writing = true;
    const FontListWriteResult r = writeFontListPages(folder, names, perPage, style, [&](qsizetype i) {
        Label9->setText(fontListProgress(i, names.size()));
        QCoreApplication::processEvents();
    });
    m_writing = false;
    setEnabled(true);
    if (!r.ok()) {
        // The window stays, so that another folder setting or a freed disk can be tried.
        m_messages.warning(r.error);
        return;
    }
    if (!r.linksSeparated.isEmpty())
        m_messages.warning(fontListLinksMessage(r.linksSeparated));
    m_shell.open(m_openAfterwards ? folder + u'/' + fontListFileName(1) : folder);
    accept();
}

void Form4::closeEvent(QCloseEvent* event)
{
    if (m_writing) {
        event->ignore(); // the pages are being written
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace typecask
