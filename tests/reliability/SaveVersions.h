#pragma once

#include <QByteArray>

#include <optional>

namespace vimla::testing {

// Numbered versions of one large document for the kill test: every line names its version, so a
// file that mixes two versions, or is cut off, matches none of them.
QByteArray documentVersion(int version, qsizetype bytes);

// The version a file claims to be by its first line, if any.
std::optional<int> claimedVersion(const QByteArray& file);

} // namespace vimla::testing
