#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace vimla::platform {

// The largest picture the editor decodes; bigger ones would take seconds and gigabytes.
struct PictureLimits {
    qint64 maxPixels = 50'000'000;
    int maxSide = 20'000;
    qint64 maxFileBytes = 100 * 1024 * 1024;
    int maxJpegScans = 1000; // a progressive JPEG is decoded once per scan
};

// The picture in a GIF, JPEG, PNG or BMP file, or std::nullopt when it cannot be shown: the
// path is no ordinary file, the file holds no readable picture of these kinds, the picture is
// larger than the limits, or a JPEG ends before its end marker. Only the part that fits into
// `visibleArea` from the top left corner is kept (an empty size keeps the whole picture).
std::optional<QImage> loadPicture(const QString& path, const QSize& visibleArea = {},
                                  const PictureLimits& limits = {});

} // namespace vimla::platform
