#pragma once

#include "platform/Platform.h"

#include <QString>

namespace vimla::settings {

// The three settings as the file stores them, each exactly as given.
struct SettingsTexts {
    QString textSize;
    QString fontName;
    QString browserPath;
};

// Replaces the settings file where the settings are kept. A text that the file could not give
// back as it was (a line break in it, or a character the file's code page lacks) is not written:
// that is a failure, and the old file stays as it was.
platform::WriteResult writeSettingsFile(platform::Platform& platform, const SettingsTexts& texts);

} // namespace vimla::settings
