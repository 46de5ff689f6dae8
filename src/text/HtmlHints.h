#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace vimla::text {

// The mistakes beginners make in their markup, as the hints name them.
enum class HintKind {
    NeverClosed,          // <B> with no </B> (for elements that must close)
    ClosedWithoutOpening, // </B> with no <B> before it
    ClosedOutOfOrder,     // <B><I>…</B>: </B> comes while <I> is still open
    TagNeverEnds,         // <B without its >
    QuoteNeverCloses,     // HREF="sida.html>
    UnknownElement,       // <BODDY>
    EndTagForVoid,        // </BR>: the element has no end tag
    SecondBodyOrHead,     // a second <BODY> or <HEAD>
    CommentNeverEnds,     // <!-- without -->: the browser hides the rest of the page
};

struct HtmlHint {
    HintKind kind = HintKind::NeverClosed;
    qsizetype position = 0; // where the marked text starts (an index into the text)
    qsizetype length = 0;   // how much to mark
    int line = 0;           // 1-based line and column of position; lines end at '\n'
    int column = 0;
    QString tag;       // the element, in capitals ("B"); as written when unknown
    QString otherTag;  // the element still open, for ClosedOutOfOrder
    int otherLine = 0; // where the other tag, or the first BODY or HEAD, was opened
};

// Reads HTML as pupils write it (any letter case, end tags that may be left out, void and older
// elements; nothing inside comments, SCRIPT or STYLE) and lists its mistakes in text order.
QList<HtmlHint> findHtmlHints(QStringView text);

// One short Swedish sentence that tells a pupil what is wrong.
QString hintSentence(const HtmlHint& hint);

} // namespace vimla::text
