// A small picture that, dragged, offers the sample as RTF and text to other programs.
#pragma once

#include "core/services.h"

#include <QWidget>
#include <functional>

namespace typecask {

class DragArea final : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { CurrentSample, DefaultSample };
    DragArea(Kind kind, std::function<ClipboardContent()> content, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // What a drag started now would offer.
    ClipboardContent content() const { return m_content(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Kind m_kind;
    std::function<ClipboardContent()> m_content;
    QPoint m_pressAt;
    bool m_pressed = false;
};

} // namespace typecask
