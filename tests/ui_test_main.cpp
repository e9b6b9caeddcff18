// GoogleTest with a QApplication, for tests that drive real widgets.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // A run in the users' locale that would silently fall back to C tests nothing of it.
    const QByteArray wanted = qgetenv("TYPECASK_TEST_LOCALE");
    if (!wanted.isEmpty() && !std::setlocale(LC_ALL, wanted.constData())) {
        std::printf("SKIP: the locale %s is not generated (scripts/install-deps.sh generates it)\n",
                    wanted.constData());
        return 77;
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Typecask"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
