#include "colour_tools/colour_number_dialog.h"

#include "colour_tools/colour_widgets.h"
#include "core/services.h"
#include "platform/qt_units.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace typecask {

namespace {
constexpr int TypedLength = 11;
}

Form7::Form7(AppState& state, const Clipboard* clipboard, StackingHost* stacking, Apply apply,
             QWidget* parent)
    : QDialog(parent), m_apply(std::move(apply))
{
    setObjectName(u"Form7"_qs);
    setWindowTitle(u"数値入力"_qs);
    setModal(true);
    leaveAlwaysOnTop(state, stacking, this);
    setFixedSize(twipsToPixels(3960), twipsToPixels(450));

    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(u"Text1"_qs);
    placeTwips(m_Text1, 60, 60, 1800, 330);
    m_Text1->installEventFilter(this);
    auto* ok = new QPushButton(u"OK"_qs, this);
    ok->setObjectName(u"Command1"_qs);
    placeTwips(ok, 1920, 60, 960, 330);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Form7::Command1_Click);
    auto* cancel = new QPushButton(u"Cancel"_qs, this);
    cancel->setObjectName(u"Command2"_qs);
    placeTwips(cancel, 2940, 60, 960, 330);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The limit holds for typing only; a longer copied text such as "color: #FF8000" comes in whole.
    QString start;
    if (clipboard && (clipboard->hasText() || clipboard->hasRtf()))
        start = clipboard->text();
    m_Text1->setMaxLength(std::max<int>(TypedLength, start.size()));
    m_Text1->setText(start);
    m_Text1->setFocus();
}

bool Form7::eventFilter(QObject* watched, QEvent* event)
{
    // The whole text is selected on entry, after the line edit's own focus handling.
    if (watched == m_Text1 && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_Text1, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void Form7::Command1_Click()
{
    m_Text1->setText(narrowForm(m_Text1->text()));
    const std::optional<Channels> colour = parseNumericColour(m_Text1->text());
    if (!colour)
        return;
    m_apply(*colour);
    accept();
}

} // namespace typecask
