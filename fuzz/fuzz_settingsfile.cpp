// The settings reader: any file content is read without harm, a failure keeps the fields before
// it, and what the settings dialog writes is read back as written.
#include "FuzzCheck.h"
#include "text/LeadingNumber.h"
#include "text/SettingsFile.h"
#include "text/SignPlace.h"
#include "text/Windows1252.h"

#include <QStringList>

#include <cstring>

using namespace vimla::text;
using vimla::fuzz::shown;

namespace {

void checkOrder(const SettingsFields& fields, const QByteArray& bytes) {
    FUZZ_CHECK(fields.textSize || !fields.fontName, "font name without size in %s",
               shown(bytes).constData());
    FUZZ_CHECK(fields.fontName || !fields.browserPath, "browser path without font in %s",
               shown(bytes).constData());
}

// A text the writer can store and the free-format reader give back: no field delimiter, no
// blank at either end (the reader skips and drops them), no opening quote, and only characters
// the code page holds.
QString storableText(QStringView text) {
    QString out;
    for (QChar c : text) {
        if (c == u',' || c == u'\r' || c == u'\n' ||
            encodeWindows1252(QStringView(&c, 1)).size() != 1)
            continue;
        out += c;
    }
    while (out.startsWith(u' ') || out.startsWith(u'"'))
        out.remove(0, 1);
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

// The three field texts are taken from the input, split at its first two 0x00 bytes.
void checkRoundTrip(const uint8_t* data, size_t size) {
    const QString input =
        decodeWindows1252(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList parts = input.split(QChar(0));
    if (parts.size() < 3)
        return;
    // The size box holds a whole number, typed or (after a leading "w") written with its sign
    // place.
    const bool signPlace = parts[0].startsWith(u'w');
    const std::optional<qint16> size16 =
        countFromText(QStringView(parts[0]).mid(signPlace ? 1 : 0));
    if (!size16)
        return;
    const QString sizeText = signPlace ? writeWithSignPlace(*size16) : QString::number(*size16);
    const QString font = storableText(parts[1]);
    const QString browser = storableText(parts[2]);

    const QByteArray file = encodeWindows1252(settingsFileText(sizeText, font, browser));
    const SettingsFields read = readSettingsFields(decodeWindows1252(file));
    FUZZ_CHECK(read.complete(), "written settings not read back: %s", shown(file).constData());
    FUZZ_CHECK(read.textSize == size16 && read.fontName == font && read.browserPath == browser,
               "written %s, read %d / %s / %s", shown(file).constData(), int(*read.textSize),
               shown(*read.fontName).constData(), shown(*read.browserPath).constData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SettingsFields fields = readSettingsFields(decodeWindows1252(bytes));
    checkOrder(fields, bytes);
    checkRoundTrip(data, size);
    return 0;
}
