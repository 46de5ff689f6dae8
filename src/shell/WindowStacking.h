#pragma once

namespace vimla::shell {

class Editor;

// Keeps the pupil out of dead ends under a window manager: a click or a key on the document
// window while a dialog has it disabled brings the dialog to the front, and a key typed into a
// minimised document window restores it first, so no text goes where it cannot be seen.
void keepDialogsInSight(Editor& editor);

} // namespace vimla::shell
