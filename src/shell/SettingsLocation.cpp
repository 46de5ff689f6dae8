#include "shell/SettingsLocation.h"

#include "platform/Platform.h"

#include <QDir>

namespace vimla::shell {

QString settingsFileToRead(platform::Platform& platform) {
    const QString applicationFolder = platform.applicationFolder();
    const QString inApplicationFolder = QDir(applicationFolder).filePath(kSettingsFileName);
    const QString userFolder = platform.userConfigFolder();
    if (userFolder.isEmpty())
        return inApplicationFolder;
    const QString inUserFolder = QDir(userFolder).filePath(kSettingsFileName);
    if (!platform.fileExists(inApplicationFolder))
        return inUserFolder;
    // A file installed with the program must not hide the settings the pupil saved since.
    if (platform.fileExists(inUserFolder) && !platform.isWritableFolder(applicationFolder))
        return inUserFolder;
    return inApplicationFolder;
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
