#pragma once

#include "shell/Editor.h"

#include <QString>

#include <memory>
#include <optional>

namespace vimla::program {

// Builds the program around a platform and runs its start-up: the frame is shown, the document
// window loaded and every dialog registered. A file named at start (as a file manager's "open
// with" names it) is then opened as the open button opens a chosen file; a relative name is taken
// from the current folder. Tests call this with a scripted platform.
std::unique_ptr<shell::Editor> startProgram(platform::Platform& platform,
                                            const std::optional<QString>& fileToOpen = {});

} // namespace vimla::program
