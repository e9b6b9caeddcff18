// The font browser: the preview area, the sample-text box and the font list, filling the
// main window's client area.
#pragma once

#include <QLineEdit>
#include <QListView>
#include <QWidget>

namespace typecask {

struct AppContext;
class FontListModel;
class PreviewArea;

class Form1 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)
public:
    Form1(AppContext& context, QWidget* parent = nullptr);

    // Re-stacks preview, text box and list for the current preview area size.
    void OokisaHenkou();
    void ShowPreview(const QString& fontName);

    PreviewArea* Picture1;
    QLineEdit* Text1;
    QListView* List1;
    FontListModel* fontModel() const { return m_model; }

Q_SIGNALS:
    // The main window's caption follows the previewed family.
    void previewCaptionChanged(const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Text1_Change();
    void List1_Click(const QModelIndex& index);

    AppContext& m_context;
    FontListModel* m_model;
};

} // namespace typecask
