// Small helpers for tests that drive the real widgets.
#pragma once

#include <QListView>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace typecask {

// The widget or action of that objectName below root; a missing one fails the test.
template <typename T = QWidget> T* findNamed(const QObject* root, const QString& name)
{
    T* w = root->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// Clicks the middle of a row of a list view.
inline void clickRow(QListView* view, int row, Qt::MouseButton button = Qt::LeftButton)
{
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), button, {}, r.center());
}

} // namespace typecask
