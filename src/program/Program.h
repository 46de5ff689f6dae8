#pragma once

#include "shell/Editor.h"

#include <memory>

namespace vimla::program {

// Builds the program around a platform and runs its start-up: the frame is shown, the document
// window loaded and every dialog registered. Tests call this with a scripted platform.
std::unique_ptr<shell::Editor> startProgram(platform::Platform& platform);

} // namespace vimla::program
