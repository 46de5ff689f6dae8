#pragma once

#include "text/HtmlHints.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

class QTextDocument;

namespace vimla::shell {

// Checks the document for markup mistakes whenever typing pauses. The check runs on a worker
// thread on a copy of the text, so a key is never kept waiting; documents above a size are not
// checked at all, since copying them would.
class PauseChecker : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMilliseconds = 500;
    static constexpr int kMostCheckedCharacters = 2'000'000;

    explicit PauseChecker(QTextDocument& document, QObject* parent = nullptr);

    // The mistakes found at the last pause, ordered by position; positions follow later edits.
    const QList<text::HtmlHint>& hints() const { return m_hints; }
    // The hints that begin in [from, to).
    QList<text::HtmlHint> hintsBetween(qsizetype from, qsizetype to) const;

signals:
    void hintsChanged();

private:
    void contentsChange(int position, int removed, int added);
    void check();
    void checked();

    QTextDocument& m_document;
    QTimer m_pause;
    QFutureWatcher<QList<text::HtmlHint>> m_worker;
    quint64 m_revision = 0;
    quint64 m_checkedRevision = 0;
    bool m_checkAgain = false;
    QList<text::HtmlHint> m_hints;
};

} // namespace vimla::shell
