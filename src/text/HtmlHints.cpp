#include "text/HtmlHints.h"

#include "text/HtmlElements.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace vimla::text {
namespace {

bool isNameStart(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isNameChar(QChar c) {
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u':';
}

struct OpenElement {
    const ElementInfo* element;
    qsizetype position;
    qsizetype length;
};

// An element that was still open when the end tag of an element around it came.
struct Crossing {
    OpenElement inner;
    OpenElement outerEnd;
};

// Reads the text once from left to right, keeping the elements that are open.
class Checker {
public:
    explicit Checker(QStringView text) : m_text(text) {}

    QList<HtmlHint> run();

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text[i] : QChar(); }
    qsizetype nameEnd(qsizetype i) const;
    qsizetype comment(qsizetype i);
    qsizetype startTag(qsizetype i);
    qsizetype endTag(qsizetype i);
    qsizetype tagEnd(qsizetype i, qsizetype tagStart, qsizetype markEnd, const QString& shown);
    qsizetype rawTextEnd(qsizetype i, QStringView name) const;
    void endImplicitly(const ElementInfo& next);
    void close(const ElementInfo& element, qsizetype position, qsizetype length);
    void add(HintKind kind, qsizetype position, qsizetype length, const QString& tag,
             const OpenElement* other = nullptr);
    void placeOnLines();

    QStringView m_text;
    std::vector<OpenElement> m_open;
    // End tags that may still come for elements that were ended without one; they are no mistake.
    QHash<const ElementInfo*, int> m_endedEarly;
    std::vector<Crossing> m_crossed;
    std::optional<OpenElement> m_body, m_head;
    QList<HtmlHint> m_hints;
    std::vector<qsizetype> m_otherPositions; // per hint, -1 when it names no other tag
};

qsizetype Checker::nameEnd(qsizetype i) const {
    while (i < m_text.size() && isNameChar(m_text[i]))
        ++i;
    return i;
}

QList<HtmlHint> Checker::run() {
    qsizetype i = 0;
    while ((i = m_text.indexOf(u'<', i)) >= 0) {
        const QChar next = at(i + 1);
        if (m_text.mid(i, 4) == u"<!--") {
            i = comment(i);
        } else if (next == u'!' || next == u'?') {
            const qsizetype end = m_text.indexOf(u'>', i);
            i = end < 0 ? m_text.size() : end + 1;
        } else if (next == u'/' && isNameStart(at(i + 2))) {
            i = endTag(i);
        } else if (isNameStart(next)) {
            i = startTag(i);
        } else {
            ++i;
        }
    }
    for (const OpenElement& open : m_open) {
        if (!open.element->has(element::OptionalEnd))
            add(HintKind::NeverClosed, open.position, open.length, open.element->name);
    }
    for (const Crossing& crossing : m_crossed)
        add(HintKind::NeverClosed, crossing.inner.position, crossing.inner.length,
            crossing.inner.element->name);
    placeOnLines();
    return m_hints;
}

qsizetype Checker::comment(qsizetype i) {
    const qsizetype end = m_text.indexOf(u"-->", i + 4);
    if (end >= 0)
        return end + 3;
    add(HintKind::CommentNeverEnds, i, 4, QString());
    return m_text.size();
}

qsizetype Checker::startTag(qsizetype i) {
    const qsizetype end = nameEnd(i + 1);
    const QStringView name = m_text.mid(i + 1, end - i - 1);
    const ElementInfo* element = findElement(name);
    const QString shown = element ? QString::fromLatin1(element->name) : name.toString();
    const qsizetype markLength = end - i + (at(end) == u'>' ? 1 : 0);
    const qsizetype next = tagEnd(end, i, i + markLength, shown);
    if (!element) {
        add(HintKind::UnknownElement, i, markLength, shown);
        return next;
    }
    const OpenElement opened{element, i, markLength};
    if (element->group == ElementGroup::Body || element->group == ElementGroup::Head) {
        std::optional<OpenElement>& first = element->group == ElementGroup::Body ? m_body : m_head;
        if (first) {
            add(HintKind::SecondBodyOrHead, i, markLength, shown, &*first);
            ++m_endedEarly[element]; // its end tag belongs to the hinted one
            return next;
        }
        first = opened;
    }
    // A tag cut off by the end of the text opens nothing; the one hint for it is enough.
    if (element->has(element::Void) || (next == m_text.size() && at(next - 1) != u'>'))
        return next;
    endImplicitly(*element);
    m_open.push_back(opened);
    return element->has(element::RawText) ? rawTextEnd(next, name) : next;
}

qsizetype Checker::endTag(qsizetype i) {
    const qsizetype end = nameEnd(i + 2);
    const QStringView name = m_text.mid(i + 2, end - i - 2);
    const ElementInfo* element = findElement(name);
    const QString shown = element ? QString::fromLatin1(element->name) : name.toString();
    const qsizetype markLength = end - i + (at(end) == u'>' ? 1 : 0);
    const qsizetype next = tagEnd(end, i, i + markLength, u'/' + shown);
    if (!element)
        add(HintKind::UnknownElement, i, markLength, u'/' + shown);
    else if (element->has(element::Void))
        add(HintKind::EndTagForVoid, i, markLength, shown);
    else
        close(*element, i, markLength);
    return next;
}

// Finds the '>' that ends the tag. Quoted values may hold '>', but a '<' before the closing
// quote means the quote was forgotten: the tag then ends at the first '>' after it.
qsizetype Checker::tagEnd(qsizetype i, qsizetype tagStart, qsizetype markEnd,
                          const QString& shown) {
    bool quoteHinted = false;
    while (i < m_text.size() && m_text[i] != u'<') {
        const QChar c = m_text[i];
        if (c == u'>')
            return i + 1;
        if (c != u'"' && c != u'\'') {
            ++i;
            continue;
        }
        qsizetype close = i + 1;
        while (close < m_text.size() && m_text[close] != c && m_text[close] != u'<')
            ++close;
        if (at(close) == c) {
            i = close + 1;
            continue;
        }
        const qsizetype greater = m_text.mid(i, close - i).indexOf(u'>');
        add(HintKind::QuoteNeverCloses, i, greater < 0 ? close - i : greater, shown);
        quoteHinted = true;
        if (greater >= 0)
            return i + greater + 1;
        i = close;
    }
    if (!quoteHinted)
        add(HintKind::TagNeverEnds, tagStart, markEnd - tagStart, shown);
    return i;
}

// Where the end tag of a SCRIPT, STYLE or the like begins; nothing before it is markup.
qsizetype Checker::rawTextEnd(qsizetype i, QStringView name) const {
    const QString endTag = QStringLiteral("</") + name.toString();
    while ((i = m_text.indexOf(endTag, i, Qt::CaseInsensitive)) >= 0) {
        if (!isNameChar(at(i + endTag.size())))
            return i;
        i += endTag.size();
    }
    return m_text.size();
}

// A new LI ends the open LI, a TD the open TD, a block the open P, looking only through
// elements whose end tag may be left out.
void Checker::endImplicitly(const ElementInfo& next) {
    for (auto k = m_open.size(); k-- > 0;) {
        const ElementInfo& open = *m_open[k].element;
        if (!open.has(element::OptionalEnd))
            return;
        if (startEndsImplicitly(open, next)) {
            for (auto j = k; j < m_open.size(); ++j)
                ++m_endedEarly[m_open[j].element];
            m_open.resize(k);
            return;
        }
    }
}

// An end tag ends its element and every element opened inside it. Those inner elements that
// must close are remembered: their own end tag coming later means the two closed in the wrong
// order; none coming means they were never closed.
void Checker::close(const ElementInfo& element, qsizetype position, qsizetype length) {
    for (auto k = m_open.size(); k-- > 0;) {
        if (m_open[k].element != &element)
            continue;
        for (auto j = k + 1; j < m_open.size(); ++j) {
            if (m_open[j].element->has(element::OptionalEnd))
                ++m_endedEarly[m_open[j].element];
            else
                m_crossed.push_back({m_open[j], OpenElement{&element, position, length}});
        }
        m_open.resize(k);
        return;
    }
    for (auto k = m_crossed.size(); k-- > 0;) {
        if (m_crossed[k].inner.element != &element)
            continue;
        const Crossing crossing = m_crossed[k];
        m_crossed.erase(m_crossed.begin() + qsizetype(k));
        add(HintKind::ClosedOutOfOrder, crossing.outerEnd.position, crossing.outerEnd.length,
            crossing.outerEnd.element->name, &crossing.inner);
        return;
    }
    int& endedEarly = m_endedEarly[&element];
    if (endedEarly > 0)
        --endedEarly;
    else
        add(HintKind::ClosedWithoutOpening, position, length, element.name);
}

void Checker::add(HintKind kind, qsizetype position, qsizetype length, const QString& tag,
                  const OpenElement* other) {
    HtmlHint hint;
    hint.kind = kind;
    hint.position = position;
    hint.length = std::max<qsizetype>(length, 1);
    hint.tag = tag;
    if (other)
        hint.otherTag = QString::fromLatin1(other->element->name);
    m_hints.append(hint);
    m_otherPositions.push_back(other ? other->position : -1);
}

void Checker::placeOnLines() {
    if (m_hints.isEmpty())
        return;
    std::vector<qsizetype> lineStarts{0};
    for (qsizetype i = 0; (i = m_text.indexOf(u'\n', i)) >= 0; ++i)
        lineStarts.push_back(i + 1);
    const auto lineOf = [&](qsizetype position) {
        return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) -
                   lineStarts.begin());
    };
    for (qsizetype k = 0; k < m_hints.size(); ++k) {
        HtmlHint& hint = m_hints[k];
        hint.line = lineOf(hint.position);
        hint.column = int(hint.position - lineStarts[size_t(hint.line - 1)]) + 1;
        if (m_otherPositions[size_t(k)] >= 0)
            hint.otherLine = lineOf(m_otherPositions[size_t(k)]);
    }
    std::stable_sort(m_hints.begin(), m_hints.end(),
                     [](const HtmlHint& a, const HtmlHint& b) { return a.position < b.position; });
}

} // namespace

QList<HtmlHint> findHtmlHints(QStringView text) {
    return Checker(text).run();
}

} // namespace vimla::text
