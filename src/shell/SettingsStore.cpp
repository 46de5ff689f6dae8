#include "shell/SettingsStore.h"

#include "text/Windows1252.h"

#include <QDir>

namespace vimla::shell {
namespace {

const QString kSettingsFileName = QStringLiteral("vimlahtml.ini");
// A settings file is three short lines; anything much larger is not one.
constexpr qint64 kSettingsFileMaxBytes = 64 * 1024;

QString fileToRead(platform::Platform& platform) {
    const QString applicationFolder = platform.applicationFolder();
    const QString inApplicationFolder = QDir(applicationFolder).filePath(kSettingsFileName);
    const QString userFolder = platform.userConfigFolder();
    const QString inUserFolder =
        userFolder.isEmpty() ? QString() : QDir(userFolder).filePath(kSettingsFileName);
    const bool userHasFile = !inUserFolder.isEmpty() && platform.fileExists(inUserFolder);
    if (platform.fileExists(inApplicationFolder)) {
        // A file beside the program must not hide the settings the pupil saved since.
        if (userHasFile && !platform.isWritableFolder(applicationFolder))
            return inUserFolder;
        return inApplicationFolder;
    }
    if (userHasFile)
        return inUserFolder;
    // Neither has saved settings yet: the defaults installed with the program.
    const QString dataFolder = platform.installedDataFolder();
    const QString installed =
        dataFolder.isEmpty() ? QString() : QDir(dataFolder).filePath(kSettingsFileName);
    if (!installed.isEmpty() && platform.fileExists(installed))
        return installed;
    return inApplicationFolder; // which cannot be read
}

QString fileToWrite(platform::Platform& platform) {
    const QString applicationFolder = platform.applicationFolder();
    const QString userFolder = platform.userConfigFolder();
    if (platform.isWritableFolder(applicationFolder) || userFolder.isEmpty())
        return QDir(applicationFolder).filePath(kSettingsFileName);
    platform.makeFolder(userFolder);
    return QDir(userFolder).filePath(kSettingsFileName);
}

bool readsBackUnchanged(QStringView text) {
    if (text.contains(u'\r') || text.contains(u'\n'))
        return false;
    return text::decodeWindows1252(text::encodeWindows1252(text)) == text;
}

} // namespace

text::SettingsFields SettingsStore::load(platform::Platform& platform) {
    const std::optional<QByteArray> bytes =
        platform.readFile(fileToRead(platform), kSettingsFileMaxBytes);
    if (!bytes)
        return {};
    return text::readSettingsFields(text::decodeWindows1252(*bytes));
}

platform::WriteResult SettingsStore::save(platform::Platform& platform,
                                          const SettingsTexts& texts) {
    if (!readsBackUnchanged(texts.textSize) || !readsBackUnchanged(texts.fontName) ||
        !readsBackUnchanged(texts.browserPath))
        return platform::WriteResult::Failed;
    const QByteArray bytes = text::encodeWindows1252(
        text::settingsFileText(texts.textSize, texts.fontName, texts.browserPath));
    return platform.writeFileAtomically(fileToWrite(platform), bytes);
}

} // namespace vimla::shell
