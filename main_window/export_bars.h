// The main window's two export bars: the HTML bar (Picture3) and the RTF bar (Picture6).
// Their option boxes show and change the session's choices.
#pragma once

#include <QFrame>
#include <array>

class QComboBox;
class QRadioButton;

namespace typecask {

class Session;

class HtmlBar final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlBar)
public:
    HtmlBar(Session& session, QWidget* parent);
    // The size boxes follow the preview size (their texts stay editable).
    void showPreviewSize(int points);

    QComboBox* Combo2; // FONT tag size, 1..7
    QComboBox* Combo3; // style-sheet size in pixels

Q_SIGNALS:
    void randomColoursRequested();
    void gradientRequested();
    void copyRequested();
};

class RtfBar final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RtfBar)
public:
    RtfBar(Session& session, QWidget* parent);

Q_SIGNALS:
    void randomColoursRequested();
    void gradientRequested();
    void copyRequested();

private:
    std::array<QRadioButton*, 3> m_Option3{}; // left, centred, right
};

} // namespace typecask
