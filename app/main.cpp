#include "widget.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The icon lives in the core library, whose resources are not registered by themselves.
    Q_INIT_RESOURCE(resources);
    QApplication application(argc, argv);
    Widget widget;
    widget.show();
    return application.exec();
}
