#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken property is a finding: say which one, with the values involved, and abort so that
// libFuzzer keeps the input.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n", #condition);                             \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace vimla::fuzz {

// Printable forms for the messages above.
inline QByteArray shown(const QString& text) {
    return text.toUtf8().toPercentEncoding(" ,.+-_/\\\"'");
}

inline QByteArray shown(const QByteArray& bytes) {
    return bytes.toPercentEncoding(" ,.+-_/\\\"'");
}

// Most rules read typed text, so the input is usually taken one byte per character; an input
// that begins with 0xFF is read as UTF-16 instead, to reach every character a pupil could type or
// paste (lone surrogates included).
inline QString textFrom(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0xFF) {
        QString text(qsizetype((size - 1) / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data + 1, size_t(text.size()) * sizeof(QChar)); // may be unaligned
        return text;
    }
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace vimla::fuzz
