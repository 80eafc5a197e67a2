// The start-up benchmark's baseline: a bare Qt window of the main window's
// size, reporting its first painted frame the way the program does.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(720, 328);
    ReportFirstPaint(&window);
    window.show();
    return application.exec();
}
