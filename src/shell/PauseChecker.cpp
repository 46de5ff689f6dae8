#include "shell/PauseChecker.h"

#include <QTextDocument>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace vimla::shell {

PauseChecker::PauseChecker(QTextDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, &PauseChecker::check);
    connect(&m_worker, &QFutureWatcher<QList<text::HtmlHint>>::finished, this,
            &PauseChecker::checked);
    connect(&document, &QTextDocument::contentsChange, this, &PauseChecker::contentsChange);
}

QList<text::HtmlHint> PauseChecker::hintsBetween(qsizetype from, qsizetype to) const {
    QList<text::HtmlHint> found;
    auto hint = std::lower_bound(
        m_hints.begin(), m_hints.end(), from,
        [](const text::HtmlHint& h, qsizetype position) { return h.position < position; });
    for (; hint != m_hints.end() && hint->position < to; ++hint)
        found.append(*hint);
    return found;
}

// Until the next check, hints behind an edit move with their text and hints inside it go.
void PauseChecker::contentsChange(int position, int removed, int added) {
    ++m_revision;
    m_pause.start();
    const qsizetype before = m_hints.size();
    m_hints.removeIf([&](const text::HtmlHint& hint) {
        return hint.position < position + removed && hint.position + hint.length > position;
    });
    bool moved = false;
    for (text::HtmlHint& hint : m_hints) {
        if (hint.position >= position + removed) {
            hint.position += added - removed;
            moved = true;
        }
    }
    if (moved || m_hints.size() != before)
        emit hintsChanged();
}

void PauseChecker::check() {
    if (m_worker.isRunning()) {
        m_checkAgain = true;
        return;
    }
    if (m_document.characterCount() > kMostCheckedCharacters) {
        if (!m_hints.isEmpty()) {
            m_hints.clear();
            emit hintsChanged();
        }
        return;
    }
    m_checkedRevision = m_revision;
    m_worker.setFuture(
        QtConcurrent::run([text = m_document.toPlainText()] { return text::findHtmlHints(text); }));
}

void PauseChecker::checked() {
    if (m_checkAgain) {
        m_checkAgain = false;
        check();
        return;
    }
    if (m_checkedRevision != m_revision)
        return; // the text changed meanwhile; the pause after that change checks again
    m_hints = m_worker.result();
    emit hintsChanged();
}

} // namespace vimla::shell
