// The yardstick for start-up and memory: a bare Qt Widgets window with one
// label, set up as the program sets up its QApplication and shown in the
// program's font for 宋体 12 pt. It prints the same "painted" line as the
// program's child and ends at once.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdlib>

#include "PaintProbe.h"
#include "desktop/Fonts.h"

int main(int argc, char** argv)
{
    using namespace boxi;
    bench::StartupStamps stamps;
    stamps.main = bench::MonotonicNs();

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("boxi"));
    application.setQuitOnLastWindowClosed(false);
    bench::PaintProbe probe;
    stamps.qapp = bench::MonotonicNs();

    // The portal's size and caption.
    QWidget window;
    window.setWindowTitle(QString::fromUtf8("计算机博习系列"));
    window.setFixedSize(640, 420);
    auto* label = new QLabel(QString::fromUtf8("计算机博习系列"), &window);
    label->setFont(desktop::ModelFont({.name = "宋体", .size = 12}));
    label->setGeometry(24, 396, 300, 18);
    stamps.built = bench::MonotonicNs();

    probe.on_first_paint = [&] {
        bench::PrintPainted(stamps, probe);
        std::_Exit(0);
    };
    window.show();
    stamps.shown = bench::MonotonicNs();
    return application.exec();
}
