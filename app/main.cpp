#include "platform/QtPlatform.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vimlahtml"));
    // No display name: the window system would append it to every caption.
    vimla::platform::QtPlatform platform;
    const auto program = vimla::program::startProgram(platform);
    return QApplication::exec();
}
