#include "text/HtmlColouring.h"

namespace vimla::text {
namespace {

// A state is a place (low four bits) and, inside the start tag of a SCRIPT or STYLE and in its
// content, which of the two (the bits above).
enum Place : int { InText, InTag, InDoubleQuotes, InSingleQuotes, InComment, InRawText };
enum Raw : int { NoRaw = 0, Script = 1 << 4, Style = 2 << 4 };
constexpr int kPlaceMask = 0xF;
constexpr int kRawMask = 0x30;

bool isLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

class LineColourer {
public:
    LineColourer(QStringView line, QList<ColouredSpan>& spans) : m_line(line), m_spans(spans) {}

    int run(int state);

private:
    QChar at(int i) const { return i < m_line.size() ? m_line[i] : QChar(); }
    int size() const { return int(m_line.size()); }
    void add(int start, int end, HtmlPart part) {
        if (end > start)
            m_spans.append({start, end - start, part});
    }
    int text(int i);
    int tag(int i);
    int reference(int i);

    QStringView m_line;
    QList<ColouredSpan>& m_spans;
    int m_place = InText;
    int m_raw = NoRaw;
};

int LineColourer::run(int state) {
    m_place = state & kPlaceMask;
    m_raw = state & kRawMask;
    int i = 0;
    while (i < size()) {
        switch (m_place) {
        case InText:
            i = text(i);
            break;
        case InTag:
            i = tag(i);
            break;
        case InDoubleQuotes:
        case InSingleQuotes: {
            const QChar quote = m_place == InDoubleQuotes ? u'"' : u'\'';
            const qsizetype end = m_line.indexOf(quote, i);
            const int stop = end < 0 ? size() : int(end) + 1;
            add(i, stop, HtmlPart::AttributeValue);
            if (end >= 0)
                m_place = InTag;
            i = stop;
            break;
        }
        case InComment: {
            const qsizetype end = m_line.indexOf(u"-->", i);
            const int stop = end < 0 ? size() : int(end) + 3;
            add(i, stop, HtmlPart::Comment);
            if (end >= 0)
                m_place = InText;
            i = stop;
            break;
        }
        default: { // the content of a SCRIPT or STYLE runs to its end tag
            const QStringView endTag = m_raw == Style ? u"</style" : u"</script";
            const qsizetype end = m_line.indexOf(endTag, i, Qt::CaseInsensitive);
            if (end < 0)
                return InRawText | m_raw;
            m_place = InText;
            m_raw = NoRaw;
            i = int(end);
        }
        }
    }
    return m_place | m_raw;
}

int LineColourer::text(int i) {
    const QChar c = m_line[i];
    if (c == u'&')
        return reference(i);
    if (c != u'<')
        return i + 1;
    if (m_line.mid(i, 4) == u"<!--") {
        m_place = InComment;
        add(i, i + 4, HtmlPart::Comment);
        return i + 4;
    }
    const QChar next = at(i + 1);
    const bool endTag = next == u'/' && isLetter(at(i + 2));
    if (!endTag && !isLetter(next) && next != u'!' && next != u'?')
        return i + 1;
    int end = i + (endTag ? 2 : 1);
    while (end < size() && !isBlank(m_line[end]) && m_line[end] != u'>' && m_line[end] != u'<' &&
           m_line[end] != u'/')
        ++end;
    if (!endTag) {
        const QStringView name = m_line.mid(i + 1, end - i - 1);
        if (name.compare(u"script", Qt::CaseInsensitive) == 0)
            m_raw = Script;
        else if (name.compare(u"style", Qt::CaseInsensitive) == 0)
            m_raw = Style;
    }
    add(i, end, HtmlPart::Tag);
    m_place = InTag;
    return end;
}

int LineColourer::tag(int i) {
    const QChar c = m_line[i];
    if (isBlank(c) || c == u'=')
        return i + 1;
    if (c == u'>' || (c == u'/' && at(i + 1) == u'>')) {
        const int end = i + (c == u'>' ? 1 : 2);
        add(i, end, HtmlPart::Tag);
        m_place = m_raw != NoRaw ? InRawText : InText;
        return end;
    }
    if (c == u'<') { // a tag that never ended; the text goes on as text
        m_place = InText;
        m_raw = NoRaw;
        return i;
    }
    if (c == u'"' || c == u'\'') {
        m_place = c == u'"' ? InDoubleQuotes : InSingleQuotes;
        add(i, i + 1, HtmlPart::AttributeValue);
        return i + 1;
    }
    int end = i;
    while (end < size() && !isBlank(m_line[end]) && m_line[end] != u'>' && m_line[end] != u'=' &&
           m_line[end] != u'<')
        ++end;
    int before = i - 1; // a value without quotes follows its '='
    while (before >= 0 && isBlank(m_line[before]))
        --before;
    const bool value = before >= 0 && m_line[before] == u'=';
    add(i, std::max(end, i + 1), value ? HtmlPart::AttributeValue : HtmlPart::AttributeName);
    return std::max(end, i + 1);
}

// &amp; &#229; &#xE5; and the older form without the semicolon.
int LineColourer::reference(int i) {
    int end = i + 1;
    if (at(end) == u'#') {
        ++end;
        const bool hex = at(end) == u'x' || at(end) == u'X';
        if (hex)
            ++end;
        while (isDigit(at(end)) || (hex && isLetter(at(end)) && at(end).toLower() <= u'f'))
            ++end;
    } else {
        while (isLetter(at(end)) || isDigit(at(end)))
            ++end;
    }
    if (end == i + 1 || (at(i + 1) == u'#' && !isDigit(at(end - 1)) && !isLetter(at(end - 1))))
        return i + 1;
    if (at(end) == u';')
        ++end;
    add(i, end, HtmlPart::Reference);
    return end;
}

} // namespace

int colourHtmlLine(QStringView line, int state, QList<ColouredSpan>& spans) {
    return LineColourer(line, spans).run(state);
}

} // namespace vimla::text
