#include "dialogs/RefusalNotice.h"

#include "dialogs/MarkupHtml.h"
#include "shell/Editor.h"

namespace vimla::dialogs {

bool reportRefusal(shell::Editor& editor, const BuiltMarkup& markup) {
    if (!markup.isRefused())
        return false;
    editor.showFailure(refusalMessage(*markup.refusal));
    return true;
}

} // namespace vimla::dialogs
