#include <QApplication>

#include <cstdio>

#include "desktop/DesktopProgram.h"
#include "desktop/Session.h"

int main(int argc, char** argv)
{
    // Without a window system Qt would abort in its platform plugin.
    if (!boxi::desktop::HasDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", boxi::desktop::kNoDisplayMessage);
        return 1;
    }
    boxi::desktop::EnsureRuntimeFolder();
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("boxi"));
    // The window model decides when the program ends.
    application.setQuitOnLastWindowClosed(false);

    boxi::desktop::DesktopProgram program;
    program.Start();
    if (program.app().runtime().ended())
        return 0;
    return application.exec();
}
