#pragma once

#include "text/FileEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

namespace vimla::recovery {

// What a recovery copy holds: enough to put the document back as it was.
struct RecoveryCopy {
    QString fileName; // the document's file name, "Namnlös" for one without a file
    QDateTime writtenAt;
    text::FileEncoding encoding;
    QString text; // with "\n" line breaks
};

QByteArray toBytes(const RecoveryCopy& copy);
// std::nullopt for anything that is not one whole copy.
std::optional<RecoveryCopy> fromBytes(QByteArrayView bytes);

} // namespace vimla::recovery
