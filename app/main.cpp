#include "platform/QtPlatform.h"
#include "program/Program.h"
#include "program/Translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vimla::program::installSwedishTranslations();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/se.vimlaskolan.HtmlEditor.svg")));
    // The installed menu entry, from which a desktop takes the name and icon it shows.
    QApplication::setDesktopFileName(QStringLiteral("se.vimlaskolan.HtmlEditor"));
    QApplication::setApplicationName(QStringLiteral("vimlahtml"));
    // No display name: the window system would append it to every caption.
    vimla::platform::QtPlatform platform;
    // A file manager names the page to open, if any, as the one argument.
    const QStringList arguments = QApplication::arguments();
    std::optional<QString> fileToOpen;
    if (arguments.size() > 1)
        fileToOpen = arguments.at(1);
    const auto program = vimla::program::startProgram(platform, fileToOpen);
    return QApplication::exec();
}
