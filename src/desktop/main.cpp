#include <QApplication>

#include "app/App.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/Renderer.h"
#include "platform/LinuxPlatform.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("boxi"));
    // The window model decides when the program ends.
    application.setQuitOnLastWindowClosed(false);

    boxi::platform::LinuxPlatform platform;
    boxi::App app(platform);
    boxi::desktop::Renderer renderer(app.runtime());
    boxi::desktop::ConnectDesktop(platform, renderer);

    app.Start();
    if (app.runtime().ended())
        return 0;
    return application.exec();
}
