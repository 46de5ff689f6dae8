#include "recovery/TextMirror.h"

#include <QTextCursor>
#include <QTextDocument>

namespace vimla::recovery {
namespace {

// Larger changes are cheaper to read with the whole text than piece by piece.
constexpr int kLargestFollowedChange = 64 * 1024;

} // namespace

void TextMirror::follow(QTextDocument* document) {
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    becomeStale();
    if (document)
        connect(document, &QTextDocument::contentsChange, this, &TextMirror::contentsChange);
}

void TextMirror::becomeStale() {
    m_stale = true;
    m_text.clear();
    m_heldBack.clear();
}

void TextMirror::contentsChange(int position, int removed, int added) {
    if (m_stale)
        return;
    if (added > kLargestFollowedChange) {
        becomeStale();
        return;
    }
    QTextCursor cursor(m_document);
    cursor.setPosition(position);
    cursor.setPosition(qMin(position + added, m_document->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    const Edit edit{position, removed, cursor.selectedText()};
    if (m_lent)
        m_heldBack.append(edit);
    else
        apply(edit);
}

void TextMirror::apply(const Edit& edit) {
    if (edit.position + edit.removed > m_text.size()) {
        becomeStale();
        return;
    }
    m_text.replace(edit.position, edit.removed, edit.added);
}

QString TextMirror::lend() {
    if (!m_document)
        return {};
    if (m_stale) {
        m_text = m_document->toRawText();
        m_stale = false;
    }
    m_lent = true;
    return m_text;
}

void TextMirror::giveBack() {
    m_lent = false;
    for (const Edit& edit : std::as_const(m_heldBack))
        apply(edit);
    m_heldBack.clear();
    // The document counts one paragraph separator more than its raw text holds; any other
    // difference means a change was reported in a way not followed here.
    if (!m_stale && m_document && m_text.size() != m_document->characterCount() - 1)
        becomeStale();
}

} // namespace vimla::recovery
