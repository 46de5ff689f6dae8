#pragma once

namespace vimla::shell {
class Editor;
}

namespace vimla::dialogs {

struct BuiltMarkup;

// True when the markup was refused, after telling the pupil why. The dialog then stays open
// with its entries, so the pupil can correct them.
bool reportRefusal(shell::Editor& editor, const BuiltMarkup& markup);

} // namespace vimla::dialogs
