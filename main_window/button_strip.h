// The main window's docked strips above the browser: the groove under the menu bar and the
// button strip (Picture1) with the size box, the style and sample buttons, the tool buttons,
// the strip switches and the two drag areas.
#pragma once

#include "core/services.h"

#include <QFrame>
#include <functional>

class QComboBox;
class QToolButton;

namespace typecask {

// Two lines at 1 and 2 pixels from the top: the groove under the menu bar (Picture7).
class Groove final : public QWidget
{
    Q_OBJECT
public:
    explicit Groove(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Which stored sample text a button asks for.
enum class SampleTextKind { Japanese, Western, Symbol };

class ButtonStrip final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonStrip)
public:
    // The drag areas ask for their content at the moment a drag starts.
    ButtonStrip(std::function<ClipboardContent()> currentSample,
                std::function<ClipboardContent()> defaultSample, QWidget* parent);

    QComboBox* Combo1;    // preview size, 8..72 points
    QToolButton* Check3;  // always in front
    QToolButton* Check5;  // HTML bar shown
    QToolButton* Check6;  // RTF bar shown
    QToolButton* Check10; // favourites pane shown

Q_SIGNALS:
    void previewSizeChosen(int index);
    void colourRequested(bool background);
    void boldToggled(bool on);
    void italicToggled(bool on);
    void sampleTextRequested(SampleTextKind kind);
    void searchRequested();
    void characterMapRequested();
    void sampleListRequested();
    void subWindowRequested();
    void alwaysOnTopToggled(bool on);
    // One of the strip switches (Check5, Check6, Check10) was clicked.
    void stripToggled();
};

} // namespace typecask
