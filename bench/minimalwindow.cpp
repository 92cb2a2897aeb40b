// The yardstick for Tandrel's start-up time and memory: the least a Qt Widgets program with
// a window can be. It is built like Tandrel (same compiler, flags and Qt) and its window
// has Tandrel's size, half the screen, so that both first frames cover the same area.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(QApplication::primaryScreen()->size() / 2);
    window.show();
    return application.exec();
}
