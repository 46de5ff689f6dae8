#include "templates/DocumentReplacement.h"

namespace vimla::templates {

shell::Decision askToSaveBeforeReplacing(shell::Editor& editor) {
    return editor.files().askToSaveChanges(
        shell::SaveQuestion{shell::kAskBeforeGoingOn, shell::kTemplateQuestionTitle,
                            [&editor] { editor.setCurrentFileName(shell::kNamnlos); }});
}

void replaceDocument(shell::Editor& editor, const QString& page) {
    editor.setCurrentFileName(shell::kNamnlos);
    editor.setText(QString());
    // One write, so the whole page is one undo step and the caret ends behind it.
    editor.writeSelectedText(page);
}

} // namespace vimla::templates
