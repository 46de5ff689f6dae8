// The markup hints and the colouring read whatever a pupil types or opens: neither may crash,
// every hint must point inside the text at the line and column it names, and every coloured
// part must lie inside its line, in order.
#include "FuzzCheck.h"
#include "text/HtmlColouring.h"
#include "text/HtmlHints.h"

using namespace vimla::text;
using vimla::fuzz::shown;

namespace {

void checkHints(const QString& text) {
    const QList<HtmlHint> hints = findHtmlHints(text);
    qsizetype previous = 0;
    for (const HtmlHint& hint : hints) {
        FUZZ_CHECK(hint.position >= previous && hint.length > 0 &&
                       hint.position + hint.length <= text.size(),
                   "text %s: hint at %lld length %lld", shown(text).constData(),
                   qlonglong(hint.position), qlonglong(hint.length));
        previous = hint.position;
        const QStringView before = QStringView(text).left(hint.position);
        const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
        FUZZ_CHECK(hint.line == before.count(u'\n') + 1 &&
                       hint.column == hint.position - lineStart + 1,
                   "text %s: hint at %lld placed on line %d column %d", shown(text).constData(),
                   qlonglong(hint.position), hint.line, hint.column);
        FUZZ_CHECK(!hintSentence(hint).isEmpty(), "text %s: hint without a sentence",
                   shown(text).constData());
    }
}

void checkColouring(const QString& text) {
    int state = kStartOfText;
    for (QStringView line : QStringView(text).split(u'\n')) {
        QList<ColouredSpan> spans;
        state = colourHtmlLine(line, state, spans);
        int end = 0;
        for (const ColouredSpan& span : spans) {
            FUZZ_CHECK(span.start >= end && span.length > 0 &&
                           span.start + span.length <= line.size(),
                       "line %s: part at %d length %d", shown(line.toString()).constData(),
                       span.start, span.length);
            end = span.start + span.length;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = vimla::fuzz::textFrom(data, size);
    checkHints(text);
    checkColouring(text);
    return 0;
}
