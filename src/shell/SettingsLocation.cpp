#include "shell/SettingsLocation.h"

#include "platform/Platform.h"

#include <QDir>

namespace vimla::shell {

QString settingsFileToRead(platform::Platform& platform) {
    const QString inApplicationFolder = QDir(platform.applicationFolder()).filePath(kSettingsFileName);
    if (platform.fileExists(inApplicationFolder))
        return inApplicationFolder;
    const QString userFolder = platform.userConfigFolder();
    if (userFolder.isEmpty())
        return inApplicationFolder;
    return QDir(userFolder).filePath(kSettingsFileName);
}

QString settingsFileToWrite(platform::Platform& platform) {
    const QString applicationFolder = platform.applicationFolder();
    const QString userFolder = platform.userConfigFolder();
    if (platform.isWritableFolder(applicationFolder) || userFolder.isEmpty())
        return QDir(applicationFolder).filePath(kSettingsFileName);
    platform.makeFolder(userFolder);
    return QDir(userFolder).filePath(kSettingsFileName);
}

} // namespace vimla::shell
