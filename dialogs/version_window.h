// The version window "ﾊﾞｰｼﾞｮﾝ情報": the program's name in a random Western family, the
// version, a notice, the installed families counted by kind and the project's home page.
// Any key closes it.
#pragma once

#include "dialogs/version_info.h"

#include <QDialog>

class QLabel;

namespace typecask {

class FontCatalog;
class RandomSource;
class Shell;

class Form5 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form5)
public:
    Form5(const FontCatalog& catalog, RandomSource& random, Shell& shell, QWidget* parent);

    // The name's family picked, the icon and the counts filled.
    void Form_Load();
    // Opens the address Label27 shows.
    void Command2_Click();

    QLabel* Label1;  // the program's name
    QLabel* Label27; // the home page's address
    QLabel* count(int index) const { return m_counts[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Form_KeyPress(const QKeyEvent& event);

    const FontCatalog& m_catalog;
    RandomSource& m_random;
    Shell& m_shell;
    QLabel* m_Picture1;                                // the program's icon
    std::array<QLabel*, VersionCountCount> m_counts{}; // Label8 .. Label22
    QFont m_designFont;                                // Label1's font when no family is picked
};

} // namespace typecask
