#pragma once

#include "platform/Platform.h"

class QFileDialog;

namespace vimla::platform {

// Sets up a file dialog as the program shows it: Qt's own dialog, the same on every desktop, with
// Swedish captions and columns as wide as what they show.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

} // namespace vimla::platform
