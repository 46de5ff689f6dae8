#pragma once

#include <QStringView>

namespace vimla::text {

// Whether a line of the text (lines end at CR, LF or a paragraph separator) is longer than
// `limit` characters.
bool hasLineLongerThan(QStringView text, qsizetype limit);

} // namespace vimla::text
