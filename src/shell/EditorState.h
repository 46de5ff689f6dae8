#pragma once

#include <QString>

namespace vimla::shell {

// Flags are strings: "ja" means set, the empty string means clear.
inline const QString kJa = QStringLiteral("ja");
// The file name of a document that has no file.
inline const QString kNamnlos = QStringLiteral("Namnlös");
// The title of the program's message boxes.
inline const QString kProgramTitle = QStringLiteral("Vimlaskolans HTML-editor");
inline const QString kChangedStatus = QStringLiteral("Ändrad");

// What the program keeps about the document and its settings while it runs.
struct EditorState {
    QString strAndrad;   // "ja" while the text has changes that are in no file
    QString strAvbrutet; // "ja" after the user cancelled a save
    qint16 intTextStorlek = 0;
    QString strTsnitt;
    QString strWebblasare;
};

} // namespace vimla::shell
