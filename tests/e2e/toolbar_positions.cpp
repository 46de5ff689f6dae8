// Prints "x<TAB>y<TAB>accessible name", the centre of each toolbar button from the main window's
// corner, for the end-to-end scripts to click: built on the program's X server, style and scaling.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QToolBar>

#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vimla::testing::ProgramHarness program;
    vimla::shell::MainWindow& frame = program.editor().mdiForm1();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    for (QToolBar* bar : {&frame.toolbar1(), &frame.toolbar2()}) {
        for (QAction* action : bar->actions()) {
            const QWidget* button = bar->widgetForAction(action);
            if (!button || !button->isVisible()) // in the overflow menu: no fixed place
                qFatal("hidden: %s", qPrintable(action->objectName()));
            const QPoint centre = button->mapTo(&frame, button->rect().center());
            std::cout << centre.x() << '\t' << centre.y() << '\t' << button->accessibleName().toStdString() << '\n';
        }
    }
}
