// Prints where each toolbar button of the main window lies, as "x<TAB>y<TAB>accessible name" per
// line, x and y being the button's centre from the window's top left corner. The buttons take no
// keyboard focus, so the end-to-end scripts click them there; run on the same X server, style and
// scaling as the program, this builds the same main window and so finds the same layout.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QApplication>
#include <QTest>
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
            if (!button || !button->isVisible()) { // in the overflow menu: no fixed place
                std::cerr << "hidden: " << action->objectName().toStdString() << '\n';
                return 1;
            }
            const QPoint centre = button->mapTo(&frame, button->rect().center());
            std::cout << centre.x() << '\t' << centre.y() << '\t'
                      << button->accessibleName().toStdString() << '\n';
        }
    }
}
