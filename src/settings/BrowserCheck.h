#pragma once

#include <QString>
#include <QStringView>

namespace vimla::settings {

// True for the name (without folder) of a program the settings accept as the browser. The names
// are compared exactly, capitals included.
bool isBrowserProgramName(QStringView fileName);

// The filter of "Bläddra...": first the programs, *.exe and *.com and the accepted names, then
// every file.
QString browserFileFilter();

// What "OK" of the settings dialog knows about the browser path.
struct BrowserPathEntry {
    QString
        lastBrowsedFileName; // name without folder of the file last chosen by browsing; "" if none
    QString fieldText;       // the path field as it stands
    QString storedPath;      // the browser path in use
};

// Only a browsed file's name is judged, never the typed text: a typed path passes only when it is
// the stored one or empty, and a browsed browser passes even if the field was edited afterwards.
bool browserCheckPasses(const BrowserPathEntry& entry);

} // namespace vimla::settings
