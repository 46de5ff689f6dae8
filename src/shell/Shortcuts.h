#pragma once

namespace vimla::shell {

class Editor;
class MainWindow;

// The keys pupils expect from other editors (Ctrl+S, Ctrl+O, Ctrl+B, ...). They are shown
// nowhere, so the menu and the toolbars look as before, and each presses the toolbar button's
// own action, so a key and a click can never differ.
void installShortcuts(MainWindow& window, Editor& editor);

} // namespace vimla::shell
