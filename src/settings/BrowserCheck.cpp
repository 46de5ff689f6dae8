#include "settings/BrowserCheck.h"

#include <array>

namespace vimla::settings {

bool isBrowserProgramName(QStringView fileName) {
    static const std::array<QStringView, 14> names = {u"netscape.exe",     u"Netscape.exe",
                                                      u"iexplore.exe",     u"Iexplore.exe",
                                                      u"firefox",          u"firefox-esr",
                                                      u"chromium",         u"chromium-browser",
                                                      u"google-chrome",    u"google-chrome-stable",
                                                      u"epiphany-browser", u"falkon",
                                                      u"konqueror",        u"xdg-open"};
    for (const QStringView name : names) {
        if (fileName == name)
            return true;
    }
    return false;
}

bool browserCheckPasses(const BrowserPathEntry& entry) {
    return isBrowserProgramName(entry.lastBrowsedFileName) || entry.fieldText == entry.storedPath ||
           entry.fieldText.isEmpty();
}

} // namespace vimla::settings
