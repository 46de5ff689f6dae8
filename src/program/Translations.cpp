#include "program/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vimla::program {
namespace {

void install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // Qt's packages differ in which files they ship
}

} // namespace

void installSwedishTranslations() {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    install(QStringLiteral("qt_sv"), qtFolder);
    install(QStringLiteral("qtbase_sv"), qtFolder);
    // Installed last, so it is asked first: it fills in what Qt's translation lacks.
    install(QStringLiteral("vimlahtml_sv"), QStringLiteral(":/i18n"));
}

} // namespace vimla::program
