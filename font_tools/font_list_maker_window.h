// The HTML font list maker: writes the pages of font samples for the font list or the
// favourites into the folder List, then opens the first page or the folder. Modal.
#pragma once

#include "core/sample.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace typecask {

class FontListModel;
class MessageBox;
class Shell;

class Form4 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form4)
public:
    Form4(Shell& shell, MessageBox& messages, QWidget* parent = nullptr);

    // Loading: every control back to its start, the sources, sample and colours taken from the
    // main window as it stands.
    void Form_Load(const QStringList& fontList, const QStringList& favorites, const Sample& sample,
                   const QString& programFolder);

    void Command1_Click();
    QStringList outputNames() const;

    QRadioButton* Option1[2]; // source: the font list, the favourites
    QComboBox* Combo1;        // fonts per page
    QLabel* Label14;          // the number of pages
    QLineEdit* Text1;         // sample text
    QComboBox* Combo2;        // HTML font size
    QCheckBox* Check2;        // italic samples
    QCheckBox* Check3;        // bold samples
    QCheckBox* Check4;        // bold italic samples
    QCheckBox* Check1;        // open in the browser afterwards
    QLabel* Label9;           // progress

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Option1_Click();
    void Combo1_Change();

    Shell& m_shell;
    MessageBox& m_messages;
    QStringList m_fontList;
    QStringList m_favorites;
    QString m_programFolder;
    bool m_openAfterwards = false;
    bool m_writing = false;

    FontListModel* m_model;
    QGroupBox* m_Frame1;     // the settings
    QListView* m_List1;      // the fonts to output
    QLabel* m_Label15;       // their number
    QLabel* m_Label2;        // text colour
    QLabel* m_Label4;        // background colour
    QLabel* m_Label8;        // the program folder
    QPushButton* m_Command1; // OK
    QPushButton* m_Command2; // Cancel
};

} // namespace typecask
