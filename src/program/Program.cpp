#include "program/Program.h"

#include "dialogs/DialogWindows.h"
#include "recovery/RecoveryKeeper.h"
#include "settings/SettingsWindows.h"
#include "shell/WindowStacking.h"
#include "templates/TemplateWindows.h"

#include <QDir>
#include <QFileInfo>

namespace vimla::program {
namespace {

platform::FileChoice chosenAtStart(const QString& argument) {
    const QString path =
        QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(argument)));
    return {false, path, QFileInfo(path).fileName()};
}

} // namespace

std::unique_ptr<shell::Editor> startProgram(platform::Platform& platform,
                                            const std::optional<QString>& fileToOpen) {
    auto editor = std::make_unique<shell::Editor>(platform);
    settings::registerSettingsWindows(*editor);
    dialogs::registerDialogWindows(*editor);
    templates::registerTemplateWindows(*editor);
    editor->start();
    shell::keepDialogsInSight(*editor);
    recovery::keepRecoveryCopies(*editor);
    // After the offer of lost text: a page taken back is then guarded like any changed text.
    if (fileToOpen && !fileToOpen->isEmpty())
        editor->files().openChosenFile(chosenAtStart(*fileToOpen));
    return editor;
}

} // namespace vimla::program
