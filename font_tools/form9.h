// The font details window: a passive sheet of labels about one family that closes on the
// first click or key.
#pragma once

#include "font_tools/font_details.h"

#include <QDialog>
#include <QSet>
#include <array>

class QFrame;
class QLabel;

namespace typecask {

struct AppContext;
class StackingHost;

class Form9 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form9)
public:
    // The load handler: an always-in-front main window gives that up while this is open.
    Form9(AppContext& context, StackingHost& host, QWidget* parent = nullptr);

    // Writes the labels, sets the sample in its face and fits the window around it.
    void fill(const FontDetailsView& view);
    QLabel* label(int index) const { return m_Label1[static_cast<std::size_t>(index)]; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    std::array<QLabel*, FontDetailsLabelCount> m_Label1{};
    std::array<QFrame*, 5> m_lines{};
    // Keys pressed while the window is open; the release of the key that opened it is not one.
    QSet<int> m_keysDown;
};

// Loads Form9, fills it for name with the measuring of sampleText and shows it modal.
void OpenFontDetails(AppContext& context, StackingHost& host, QWidget* parent, const QString& name,
                     const QString& sampleText);

} // namespace typecask
