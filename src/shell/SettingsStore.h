#pragma once

#include "platform/Platform.h"
#include "text/SettingsFile.h"

#include <QString>

namespace vimla::shell {

// The three settings as the file stores them, each exactly as given.
struct SettingsTexts {
    QString textSize;
    QString fontName;
    QString browserPath;
};

// The settings file. It lives in the application's own folder; a program installed where the
// pupil cannot write keeps it in the pupil's configuration folder instead. Reading prefers the
// application folder's file when it exists, unless that folder cannot be written and the pupil
// has a file of their own; with neither, it reads the defaults installed with the program. A file
// that exists but cannot be read is never passed over.
class SettingsStore {
public:
    // The fields read before the first failure; none when the file cannot be read.
    static text::SettingsFields load(platform::Platform& platform);

    // Replaces the settings file. A text that the file could not give back as it was (a line
    // break in it, or a character the file's code page lacks) is not written: that is a failure,
    // and the old file stays as it was.
    static platform::WriteResult save(platform::Platform& platform, const SettingsTexts& texts);
};

} // namespace vimla::shell
