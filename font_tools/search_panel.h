// The detailed conditions of the font search (Picture1 of Form10): the kinds of font, the
// ratio of width to height and its threshold, a Japanese character set and a text to show.
#pragma once

#include "font_tools/font_search.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace typecask {

class SearchPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchPanel)
public:
    explicit SearchPanel(QWidget* parent = nullptr);

    // The conditions as the boxes show them; the threshold is Text2's number.
    DetailedConditions conditions() const;
    // Text2 holds a usable threshold ("50" in place of one that is not).
    void checkThreshold();

    QLineEdit* Text2() const { return m_Text2; }
    QPushButton* Command2() const { return m_Command2; }
    QCheckBox* Check3() const { return m_Check3; }
    QGroupBox* Frame2() const { return m_Frame2; }
    QComboBox* setChoice() const { return m_setChoice; }
    QSpinBox* setPercent() const { return m_setPercent; }
    QLineEdit* coversText() const { return m_coversText; }

private:
    void Check3_Click();
    void Command2_Click();

    std::array<QCheckBox*, 4> m_Check2{}; // character-set classes
    std::array<QCheckBox*, 4> m_Check1{}; // font-type classes
    std::array<QCheckBox*, 6> m_Check6{}; // family classes
    QCheckBox* m_Check3;                  // also examine the ratio
    QGroupBox* m_Frame2;                  // the ratio's controls
    QPushButton* m_Command2;              // ">" or "<"
    QLineEdit* m_Text2;                   // threshold in percent
    QComboBox* m_setChoice;               // a Japanese set to cover, or none (the first item)
    QSpinBox* m_setPercent;               // how much of the set, in percent
    QLineEdit* m_coversText;              // a text every found family can show
};

} // namespace typecask
