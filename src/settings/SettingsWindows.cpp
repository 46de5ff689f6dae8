#include "settings/SettingsWindows.h"

#include "settings/FrmInst.h"
#include "shell/Editor.h"

namespace vimla::settings {

void registerSettingsWindows(shell::Editor& editor) {
    editor.windows().registerWindow(QStringLiteral("frmInst"),
                          [](shell::Editor& owner) -> QWidget* { return new FrmInst(owner); });
}

} // namespace vimla::settings
