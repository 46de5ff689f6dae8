#pragma once

#include <QStringView>

#include <optional>

namespace vimla::settings {

// The size box's text as a font size in points: the whole text, blanks around it ignored, must be
// a decimal number with "." as decimal point, whatever the desktop's language, and a size the
// editor accepts. std::nullopt otherwise.
std::optional<double> pointSizeFromText(QStringView text);

} // namespace vimla::settings
