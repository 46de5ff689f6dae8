// Prints where each toolbar button of the main window lies, as "x<TAB>y<TAB>accessible name"
// per line, x and y being the button's centre relative to the main window's top left corner.
// The buttons take no keyboard focus, so the end-to-end suite clicks them by these positions;
// run on the same X server and with the same style and scaling as the program it drives, this
// builds the same main window and so finds the same layout.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolBar>

#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vimla::testing::ProgramHarness program;
    vimla::shell::MainWindow& frame = program.editor().mdiForm1();
    if (!QTest::qWaitForWindowExposed(&frame)) {
        std::cerr << "the main window was never shown\n";
        return 1;
    }
    for (QToolBar* bar : {&frame.toolbar1(), &frame.toolbar2()}) {
        for (QAction* action : bar->actions()) {
            const QWidget* button = bar->widgetForAction(action);
            // A button that does not fit went into the toolbar's overflow menu: no fixed place.
            if (!button || !button->isVisible()) {
                std::cerr << "a toolbar button is hidden: " << action->objectName().toStdString()
                          << '\n';
                return 1;
            }
            const QPoint centre = button->mapTo(&frame, button->rect().center());
            std::cout << centre.x() << '\t' << centre.y() << '\t'
                      << button->accessibleName().toStdString() << '\n';
        }
    }
    return 0;
}
