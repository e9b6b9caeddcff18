// The floor for start-up figures: an empty Qt main window with a menu bar, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty Qt window"));
    for (const char* title : {"File", "Edit", "View", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
