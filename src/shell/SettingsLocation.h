#pragma once

#include <QString>

namespace vimla::platform {
class Platform;
}

namespace vimla::shell {

inline const QString kSettingsFileName = QStringLiteral("vimlahtml.ini");
// A settings file is three short lines; anything much larger is not one.
inline constexpr qint64 kSettingsFileMaxBytes = 64 * 1024;

// The settings live in the application's own folder. A program installed where the pupil cannot
// write keeps them in the pupil's configuration folder instead; reading prefers the application
// folder's file when it exists, unless that folder cannot be written and the pupil has a file.
QString settingsFileToRead(platform::Platform& platform);
QString settingsFileToWrite(platform::Platform& platform);

} // namespace vimla::shell
