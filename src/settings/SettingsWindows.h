#pragma once

namespace vimla::shell {
class Editor;
}

namespace vimla::settings {

// Registers the settings dialog "frmInst" with the editor.
void registerSettingsWindows(shell::Editor& editor);

} // namespace vimla::settings
