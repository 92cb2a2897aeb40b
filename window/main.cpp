#include "folderlock.h"
#include "language.h"
#include "screen.h"
#include "splash.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QSessionManager>
#include <QSplashScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    // The icon lives in the window's library, whose resources are not registered by themselves.
    Q_INIT_RESOURCE(resources);
    // Scaled as the screen asks, 150 % as 150 %, so that fonts and layout grow together.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    // A session end is not a close: the toolkit would close the window in the middle of a
    // firmware upgrade, and take the refusal for the user's close request.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    QT_WARNING_POP
    // The user's display language (on Windows the one chosen for Windows' own texts, not the
    // regional format); the event log stays English.
    installLanguage(QLocale());

    FolderLock folderLock;
    if (folderLock.heldElsewhere()) {
        FolderLock::knock();
        QMessageBox::information(nullptr, QStringLiteral("Tandrel " TANDREL_VERSION_TEXT),
                                 FolderLock::alreadyRunningText(QDir::currentPath()));
        return 1;
    }

    // The first scan can take its whole time limit before the window appears; meanwhile this
    // says that Tandrel is at work. It has no title, and boxes of the scan come above it.
    QSplashScreen splash(startupBackground(application.devicePixelRatio()));
    // A click hides it, Alt+F4 closes it: neither ends Tandrel in the middle of its scan.
    splash.setAttribute(Qt::WA_QuitOnClose, false);
    describeStartupPicture(splash);
    splash.show();
    // Drawn while the window system maps the window: fonts and the icon take a while.
    splash.setPixmap(startupPicture(application.devicePixelRatio()));
    waitUntilDrawn(splash);

    Widget widget;
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &widget,
                     [&widget](QSessionManager &manager) {
                         if (!widget.allowSessionEnd() && manager.allowsInteraction())
                             manager.cancel();
                     });
    // Also when the session ends anyway: Windows ends Tandrel right after, before main returns.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &widget, [&widget, &folderLock] {
        if (widget.recordEnd())
            folderLock.release();
    });
    // The first scan, before the window appears: the picture says meanwhile that Tandrel is at
    // work, and the scan's boxes come above it.
    widget.session().setLocalAddresses(localHardwareAddresses());
    widget.scanDevices();
    widget.show();
    keepOnScreen(widget);
    folderLock.raiseOnKnock(widget);
    // Not before the event loop runs: a close that came while the picture waits for the
    // window would end nothing, and leave Tandrel running without a window.
    QTimer::singleShot(0, &splash, [&splash, &widget] { splash.finish(&widget); });
    return application.exec();
}
