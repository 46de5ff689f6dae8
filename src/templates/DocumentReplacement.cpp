#include "templates/DocumentReplacement.h"

namespace vimla::templates {

shell::Decision askToSaveBeforeReplacing(shell::Editor& editor) {
    return editor.askToSaveChanges(shell::SaveQuestion{
        QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du går vidare?"),
        QStringLiteral("HTML-editor"), [&editor] { editor.setCurrentFileName(shell::kNamnlos); }});
}

void replaceDocument(shell::Editor& editor, const QString& page) {
    editor.setCurrentFileName(shell::kNamnlos);
    editor.setText(QString());
    // One write, so the whole page is one undo step and the caret ends behind it.
    editor.writeSelectedText(page);
}

void emptyDocument(shell::Editor& editor) {
    editor.setCurrentFileName(shell::kNamnlos);
    editor.setText(QString());
    editor.markUnchanged();
}

} // namespace vimla::templates
