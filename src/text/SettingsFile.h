#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace vimla::text {

// What the settings reader got before it stopped. Fields are read in order; a field is set only
// when it and every field before it were read, so a failure keeps what came before it.
struct SettingsFields {
    std::optional<qint16> textSize;
    std::optional<QString> fontName;
    std::optional<QString> browserPath;

    bool complete() const { return browserPath.has_value(); }
};

// Reads the three settings fields in the free-format field syntax: fields end at a comma or a
// line end (CR LF, CR or LF); blanks in front of a field are skipped; a field beginning with a
// double quote runs to the next double quote; any other text field runs to the next comma or
// line end, blanks at its end dropped. The first field ends at a comma, blank or line end and
// must be a number that rounds to a 16-bit integer.
SettingsFields readSettingsFields(QStringView text);

// The settings file as written: the three texts, each followed by CR LF, exactly as given.
QString settingsFileText(QStringView textSize, QStringView fontName, QStringView browserPath);

} // namespace vimla::text
