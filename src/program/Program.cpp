#include "program/Program.h"

#include "dialogs/DialogWindows.h"
#include "recovery/RecoveryKeeper.h"
#include "settings/SettingsWindows.h"
#include "shell/WindowStacking.h"
#include "templates/TemplateWindows.h"

namespace vimla::program {

std::unique_ptr<shell::Editor> startProgram(platform::Platform& platform) {
    auto editor = std::make_unique<shell::Editor>(platform);
    settings::registerSettingsWindows(*editor);
    dialogs::registerDialogWindows(*editor);
    templates::registerTemplateWindows(*editor);
    editor->start();
    shell::keepDialogsInSight(*editor);
    recovery::keepRecoveryCopies(*editor);
    return editor;
}

} // namespace vimla::program
