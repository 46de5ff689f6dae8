#include "settings/BrowserCheck.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace vimla::settings {

namespace {

// The two browsers of old school computers in the two spellings their installers used, and the
// browser programs of this desktop with Debian's names for the browser a user has chosen.
constexpr std::array<QStringView, 16> kBrowserNames = {u"netscape.exe",     u"Netscape.exe",
                                                       u"iexplore.exe",     u"Iexplore.exe",
                                                       u"firefox",          u"firefox-esr",
                                                       u"chromium",         u"chromium-browser",
                                                       u"google-chrome",    u"google-chrome-stable",
                                                       u"epiphany-browser", u"falkon",
                                                       u"konqueror",        u"xdg-open",
                                                       u"x-www-browser",    u"sensible-browser"};

} // namespace

bool isBrowserProgramName(QStringView fileName) {
    return std::find(kBrowserNames.begin(), kBrowserNames.end(), fileName) != kBrowserNames.end();
}

QString browserFileFilter() {
    QStringList patterns{QStringLiteral("*.exe"), QStringLiteral("*.com")};
    for (const QStringView name : kBrowserNames) {
        if (!name.endsWith(u".exe"))
            patterns << name.toString();
    }
    return QStringLiteral("program|") + patterns.join(QLatin1Char(';')) +
           QStringLiteral("|Alla filer|*.*");
}

bool browserCheckPasses(const BrowserPathEntry& entry) {
    return isBrowserProgramName(entry.lastBrowsedFileName) || entry.fieldText == entry.storedPath ||
           entry.fieldText.isEmpty();
}

} // namespace vimla::settings
