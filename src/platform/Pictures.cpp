#include "platform/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace vimla::platform {
namespace {

constexpr int kAllocationLimitMegabytes = 256; // 50 million pixels of four bytes, and some room

bool isAcceptedFormat(const QByteArray& format) {
    return format == "gif" || format == "jpeg" || format == "png" || format == "bmp";
}

bool fitsLimits(const QSize& size, const PictureLimits& limits) {
    return size.isValid() && !size.isEmpty() && size.width() <= limits.maxSide &&
           size.height() <= limits.maxSide &&
           qint64(size.width()) * size.height() <= limits.maxPixels;
}

quint8 byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint8>(bytes.at(at));
}

// Walks the segments of a JPEG file to its end marker. Qt decodes a file that stops in the middle
// of the picture without complaint, filling the rest with grey; such a file is damaged. Marker
// bytes cannot occur inside the compressed data (0xFF is followed there by 0x00 or a restart
// marker), so the walk cannot be fooled by a thumbnail inside an application segment.
bool isCompleteJpeg(const QByteArray& bytes, int maxScans) {
    const qsizetype size = bytes.size();
    if (size < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return false;
    int scans = 0;
    qsizetype at = 2;
    while (at < size) {
        // Skip anything up to the next marker, then its fill bytes.
        while (at < size && byteAt(bytes, at) != 0xFF)
            ++at;
        while (at < size && byteAt(bytes, at) == 0xFF)
            ++at;
        if (at >= size)
            return false;
        const quint8 marker = byteAt(bytes, at++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        if (at + 2 > size)
            return false;
        const int length = (byteAt(bytes, at) << 8) | byteAt(bytes, at + 1);
        if (length < 2 || at + length > size)
            return false;
        at += length;
        if (marker != 0xDA)
            continue;
        if (++scans > maxScans)
            return false;
        // The compressed data of the scan runs to the next marker that is no restart marker.
        while (at + 1 < size) {
            if (byteAt(bytes, at) == 0xFF) {
                const quint8 next = byteAt(bytes, at + 1);
                if (next != 0x00 && next != 0xFF && (next < 0xD0 || next > 0xD7))
                    break;
            }
            ++at;
        }
        if (at + 1 >= size)
            return false;
    }
    return false;
}

} // namespace

std::optional<QImage> loadPicture(const QString& path, const QSize& visibleArea,
                                  const PictureLimits& limits) {
    // Only ordinary files: reading a pipe or a device named "x.gif" would never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > limits.maxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limits.maxFileBytes + 1);
    if (bytes.size() > limits.maxFileBytes)
        return std::nullopt;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // the format comes from the content, not from the name
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    if (!reader.canRead() || !isAcceptedFormat(reader.format()))
        return std::nullopt;
    // The size is read from the header alone; a header may claim anything.
    const QSize size = reader.size();
    if (!fitsLimits(size, limits))
        return std::nullopt;
    if (reader.format() == "jpeg" && !isCompleteJpeg(bytes, limits.maxJpegScans))
        return std::nullopt;
    if (visibleArea.isValid() && !visibleArea.isEmpty()) {
        const QRect visible =
            QRect(QPoint(0, 0), visibleArea).intersected(QRect(QPoint(0, 0), size));
        if (visible.size() != size)
            reader.setClipRect(visible);
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return std::nullopt;
    return picture;
}

} // namespace vimla::platform
