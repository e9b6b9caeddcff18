// Small helpers for tests that drive the real widgets.
#pragma once

#include <QImage>
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

// The darkness of an image: the sum over its pixels of how far each is from white.
inline qint64 ink(const QImage& image)
{
    qint64 n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += 255 - qGray(image.pixel(x, y));
    return n;
}

} // namespace typecask
