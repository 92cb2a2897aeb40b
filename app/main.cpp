#include "splash.h"
#include "widget.h"

#include <QApplication>
#include <QSplashScreen>

int main(int argc, char *argv[])
{
    // The icon lives in the core library, whose resources are not registered by themselves.
    Q_INIT_RESOURCE(resources);
    QApplication application(argc, argv);

    // The first scan can take its whole time limit before the window appears; meanwhile this
    // says that Tandrel is at work. It has no title, and boxes of the scan come above it.
    QSplashScreen splash(startupPicture(application.devicePixelRatio()));
    splash.show();
    QApplication::processEvents();

    Widget widget;
    widget.show();
    splash.finish(&widget);
    return application.exec();
}
