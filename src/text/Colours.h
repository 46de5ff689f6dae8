#pragma once

#include <QStringList>

namespace vimla::text {

// The colour words offered in every colour box, in the order shown.
const QStringList& colourList();

} // namespace vimla::text
