#pragma once

namespace vimla::shell {
class Editor;
}

namespace vimla::dialogs {

// Makes the markup dialogs known to the editor by their form names.
void registerDialogWindows(shell::Editor& editor);

} // namespace vimla::dialogs
