#include "platform/QtPlatform.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vimlahtml"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vimlaskolans HTML-editor"));
    vimla::platform::QtPlatform platform;
    const auto program = vimla::program::startProgram(platform);
    return QApplication::exec();
}
