// The small borderless progress window shown while the program starts or reads dropped files.
#pragma once

#include <QWidget>

class QLabel;

namespace typecask {

class Form6 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form6)
public:
    explicit Form6(QWidget* parent = nullptr);
    // Writes a progress caption and paints it at once.
    void setStatus(const QString& caption);
    QString status() const;

private:
    QLabel* m_Picture1; // the program's name
    QLabel* m_Label1;   // the current step
};

} // namespace typecask
