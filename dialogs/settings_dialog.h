// The settings dialog "設定": the sample-text shortcuts, the displayed fonts and the font
// sample list's layout. OK stores and applies them; Cancel and the close box drop them.
#pragma once

#include "dialogs/settings_values.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace typecask {

class ToolWindowHost;
class Session;

class Form17 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form17)
public:
    Form17(Session& session, ToolWindowHost& host, QWidget* parent);

    // The controls filled from the session.
    void Form_Load();
    void Command1_Click(); // OK
    void Command3_Click(); // 初期化
    void Command4_Click(); // ロング

    QPlainTextEdit* Text1;                // Japanese sample text
    QPlainTextEdit* Text2;                // Western sample text
    QPlainTextEdit* Text3;                // symbol sample text
    QCheckBox* Check1;                    // list vertical-writing fonts
    std::array<QRadioButton*, 3> Option2; // preview area size: small, medium, large
    std::array<QRadioButton*, 2> Option1; // sample list: vertical, horizontal
    QComboBox* Combo1;                    // sample list font size

private:
    void setTexts(const SampleTexts& texts);

    Session& m_session;
    ToolWindowHost& m_host;
};

} // namespace typecask
