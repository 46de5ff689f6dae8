#pragma once

#include "shell/Editor.h"

#include <QString>

namespace vimla::templates {

// The unsaved-changes question of the page templates. On Yes the document is renamed "Namnlös"
// after the save, whatever its outcome; Stop means the dialog stays open as it is.
shell::Decision askToSaveBeforeReplacing(shell::Editor& editor);

// The document becomes an unnamed, changed one holding `page`, the caret behind it.
void replaceDocument(shell::Editor& editor, const QString& page);

} // namespace vimla::templates
