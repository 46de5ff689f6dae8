#pragma once

namespace vimla::shell {
class Editor;
}

namespace vimla::templates {

// Registers frmBody, frmRamar and frmRam1..frmRam3 with the editor's window registry.
void registerTemplateWindows(shell::Editor& editor);

} // namespace vimla::templates
