#include "settings/SettingsWriter.h"

#include "shell/SettingsLocation.h"
#include "text/SettingsFile.h"
#include "text/Windows1252.h"

namespace vimla::settings {
namespace {

bool readsBackUnchanged(QStringView text) {
    if (text.contains(u'\r') || text.contains(u'\n'))
        return false;
    return text::decodeWindows1252(text::encodeWindows1252(text)) == text;
}

} // namespace

platform::WriteResult writeSettingsFile(platform::Platform& platform, const SettingsTexts& texts) {
    if (!readsBackUnchanged(texts.textSize) || !readsBackUnchanged(texts.fontName) ||
        !readsBackUnchanged(texts.browserPath))
        return platform::WriteResult::Failed;
    const QByteArray bytes = text::encodeWindows1252(
        text::settingsFileText(texts.textSize, texts.fontName, texts.browserPath));
    return platform.writeFileAtomically(shell::settingsFileToWrite(platform), bytes);
}

} // namespace vimla::settings
