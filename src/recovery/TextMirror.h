#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTextDocument;

namespace vimla::recovery {

// A copy of a document's raw text kept up to date edit by edit, so taking a snapshot costs
// nothing on the keyboard's thread: reading a 10 MB document whole takes some 50 ms. After a
// very large change (a file opened, a big paste) it is read whole once, at the next snapshot.
class TextMirror : public QObject {
    Q_OBJECT
public:
    explicit TextMirror(QObject* parent = nullptr) : QObject(parent) {}

    void follow(QTextDocument* document);
    // The raw text (paragraph separators U+2029), lent rather than copied: copying 10 MB of text
    // on the keyboard's thread is what this class avoids. Edits made while the text is lent are
    // held back until the borrower has dropped its copy and calls giveBack().
    QString lend();
    void giveBack();
    bool isLent() const { return m_lent; }

private:
    struct Edit {
        int position;
        int removed;
        QString added;
    };
    void contentsChange(int position, int removed, int added);
    void apply(const Edit& edit);
    void becomeStale();

    QPointer<QTextDocument> m_document;
    QString m_text;
    QList<Edit> m_heldBack;
    bool m_stale = true;
    bool m_lent = false;
};

} // namespace vimla::recovery
