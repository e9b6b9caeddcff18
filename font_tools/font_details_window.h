// The font details window: a passive sheet of labels about one family that closes on the
// first click or key.
#pragma once

#include "font_tools/font_details.h"

#include <QDialog>
#include <QSet>
#include <array>
#include <vector>

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace typecask {

class Form9 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form9)
public:
    explicit Form9(QWidget* parent = nullptr);

    // Writes the labels, sets the sample in its face and fits the window around it.
    void fill(const FontDetailsView& view);
    QLabel* label(int index) const { return m_Label1[static_cast<std::size_t>(index)]; }
    // Set i's line ("常用漢字 2136 / 2136") and the box of the characters the family lacks.
    QLabel* coverageLabel(int i) const { return m_coverageLabels[static_cast<std::size_t>(i)]; }
    QLineEdit* missingBox(int i) const { return m_missingBoxes[static_cast<std::size_t>(i)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    std::array<QLabel*, FontDetailsLabelCount> m_Label1{}; // the sheet's labels, sample included
    std::array<QFrame*, 5> m_lines{};                      // separators Line1..Line5
    QFrame* m_coverageLine;                                // separator above the coverage
    QWidget* m_coverage;                                   // the Japanese sets' coverage
    std::vector<QLabel*> m_coverageLabels;                 // one line per set
    std::vector<QLineEdit*> m_missingBoxes;                // each set's missing characters
    // Keys pressed while the window is open; the release of the key that opened it is not one.
    QSet<int> m_keysDown;
};

// Measures a text as the details window shows it (Qt's metrics for the named face).
TextExtent measureFontDetailsText(const QString& text, const QString& face, int pointSize, bool bold,
                                  bool italic);

} // namespace typecask
