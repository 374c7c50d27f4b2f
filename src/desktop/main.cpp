#include <QApplication>

#include "desktop/DesktopProgram.h"

int main(int argc, char** argv)
{
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
