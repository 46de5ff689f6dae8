#include "shell/HtmlTextBox.h"

#include "shell/LineNumberGutter.h"
#include "shell/PauseChecker.h"
#include "text/HtmlColouring.h"

#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>

namespace vimla::shell {
namespace {

// Longer lines are left uncoloured and unmarked: laying them out again would cost more than a key.
constexpr int kLongestColouredLine = 10000;
// How far above the shown lines the colouring looks for a comment or tag that began there.
constexpr int kLookBack = 2000;

// Dark enough to read on white, and told apart with the common colour blindnesses: blue,
// brown-orange and purple never stand for red against green. Text stays black.
const QColor kTagColour(0x00, 0x5A, 0xA0);
const QColor kAttributeNameColour(0x9A, 0x4C, 0x00);
const QColor kAttributeValueColour(0x8E, 0x2C, 0x7E);
const QColor kCommentColour(0x6A, 0x6A, 0x6A);
const QColor kReferenceColour(0x00, 0x70, 0x5A);

int digitsOf(int number) {
    return int(QString::number(std::max(1, number)).size());
}

} // namespace

HtmlTextBox::HtmlTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    if (plainRequested())
        return;
    const QColor partColours[] = {kTagColour, kAttributeNameColour, kAttributeValueColour,
                                  kCommentColour, kReferenceColour};
    for (int part = 0; part < 5; ++part)
        m_partFormats[part].setForeground(partColours[part]);
    m_mistakeFormat.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    m_mistakeFormat.setUnderlineColor(mistakeColour());

    m_gutter = new LineNumberGutter(*this);
    m_checker = new PauseChecker(*document(), this);
    connect(m_checker, &PauseChecker::hintsChanged, this, [this] {
        viewport()->update();
        m_gutter->update();
    });
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) { contentsChange(position); });
    // Narrowing waits while a redo could widen again: each change of width lays out every line.
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this](int lines) {
        const int digits = digitsOf(lines);
        if (digits > digitsOf(m_gutterLines) ||
            (digits < digitsOf(m_gutterLines) && !document()->isRedoAvailable()))
            fitGutterTo(lines);
    });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            m_gutter->scroll(0, dy);
        else
            m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, m_gutter, qOverload<>(&QWidget::update));
    fitGutterTo(1);
}

HtmlTextBox::~HtmlTextBox() = default;

QColor HtmlTextBox::mistakeColour() {
    return {0xD5, 0x5E, 0x00};
}

bool HtmlTextBox::plainRequested() {
    static const bool plain = qEnvironmentVariableIntValue("VIMLA_PLAIN_EDITOR") == 1;
    return plain;
}

void HtmlTextBox::expectText(QStringView incoming, Incoming how) {
    if (!m_gutter)
        return;
    qsizetype lines = how == Incoming::ReplacesAll ? 1 : blockCount();
    for (qsizetype at = 0; (at = incoming.indexOf(u'\n', at)) >= 0; ++at) // indexOf is the quickest
        ++lines;
    const int expected = int(std::min<qsizetype>(lines, std::numeric_limits<int>::max()));
    if (digitsOf(expected) > digitsOf(m_gutterLines))
        fitGutterTo(expected);
}

void HtmlTextBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        expectText(source->text(), Incoming::AddsToText);
    QPlainTextEdit::insertFromMimeData(source);
}

int HtmlTextBox::gutterWidth() const {
    return m_gutterWidth;
}

void HtmlTextBox::fitGutterTo(int lines) {
    m_gutterLines = lines;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int space = metrics.horizontalAdvance(u' ');
    const int width = space + metrics.horizontalAdvance(QString(digitsOf(lines), u'9')) + space +
                      metrics.height() / 2 + space;
    if (width == m_gutterWidth)
        return;
    m_gutterWidth = width;
    setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), width, area.height());
}

void HtmlTextBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    if (m_gutter) {
        const QRect area = contentsRect();
        m_gutter->setGeometry(area.left(), area.top(), m_gutterWidth, area.height());
    }
}

void HtmlTextBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (m_gutter && event->type() == QEvent::FontChange) {
        m_gutterWidth = 0;
        fitGutterTo(m_gutterLines);
    }
}

void HtmlTextBox::contentsChange(int position) {
    const int changed = document()->findBlock(position).blockNumber();
    m_statesKnownBefore = std::min(m_statesKnownBefore, changed);
    m_guessedBefore = changed < m_guessedFrom ? m_guessedFrom : std::min(m_guessedBefore, changed);
}

void HtmlTextBox::paintEvent(QPaintEvent* event) {
    if (m_checker)
        colourShownBlocks();
    QPlainTextEdit::paintEvent(event);
}

// Colours go into each shown line's layout as extra formats: they are drawn, but they are no
// part of the document, so the text, its undo history and its change flag stay as they were.
void HtmlTextBox::colourShownBlocks() {
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return;
    Chain chain;
    int state = stateAtStartOf(block, chain);
    int number = block.blockNumber();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= viewport()->height()) {
        state = colourBlock(block, state);
        top += blockBoundingRect(block).height();
        block = block.next();
        ++number;
    }
    if (chain.origin == Chain::Known) {
        m_statesKnownBefore = std::max(m_statesKnownBefore, number);
    } else if (chain.origin == Chain::Guessed) {
        m_guessedBefore = std::max(m_guessedBefore, number);
    } else {
        m_guessedFrom = chain.firstLine;
        m_guessedBefore = number;
    }
}

bool HtmlTextBox::stateCanBeTrusted(int line) const {
    return line < m_statesKnownBefore || (line >= m_guessedFrom && line < m_guessedBefore);
}

// The colouring state at the start of the block: carried forward from the nearest line above
// whose state is known, or, past kLookBack lines, guessed as plain text. A guess is kept like a
// known state, so scrolling on from it looks back no further.
int HtmlTextBox::stateAtStartOf(const QTextBlock& block, Chain& chain) {
    const int number = block.blockNumber();
    QTextBlock from = block;
    int state = text::kStartOfText;
    for (int steps = 0;; ++steps) {
        const QTextBlock above = from.previous();
        if (!above.isValid())
            break;
        const int line = number - 1 - steps;
        if (stateCanBeTrusted(line) && above.userState() >= 0) {
            state = above.userState();
            if (line >= m_statesKnownBefore)
                chain.origin = Chain::Guessed;
            break;
        }
        if (steps == kLookBack) {
            chain.origin = Chain::NewGuess;
            chain.firstLine = line + 1; // the first line coloured from the guess
            break;
        }
        from = above;
    }
    QList<text::ColouredSpan> unused;
    for (; from != block; from = from.next()) {
        state = from.length() > kLongestColouredLine
                    ? text::kStartOfText
                    : text::colourHtmlLine(from.text(), state, unused);
        from.setUserState(state);
        unused.clear();
    }
    return state;
}

int HtmlTextBox::colourBlock(QTextBlock block, int state) {
    QList<QTextLayout::FormatRange> formats;
    int end = text::kStartOfText;
    if (block.length() <= kLongestColouredLine) {
        QList<text::ColouredSpan> spans;
        end = text::colourHtmlLine(block.text(), state, spans);
        formats.reserve(spans.size());
        for (const text::ColouredSpan& span : spans)
            formats.append({span.start, span.length, m_partFormats[int(span.part)]});
        const int start = block.position();
        for (const text::HtmlHint& hint : m_checker->hintsBetween(start, start + block.length())) {
            const int from = int(hint.position - start);
            formats.append({from, int(std::min<qsizetype>(hint.length, block.length() - from)),
                            m_mistakeFormat});
        }
    }
    block.setUserState(end);
    QTextLayout* layout = block.layout();
    if (layout->formats() != formats) {
        layout->setFormats(formats);
        // Lays the line out at once; otherwise the document would count it into the range
        // that its next edit reports as changed.
        document()->markContentsDirty(block.position(), block.length());
    }
    return end;
}

QStringList HtmlTextBox::hintSentencesAt(int position) const {
    QStringList sentences;
    if (!m_checker)
        return sentences;
    const QTextBlock block = document()->findBlock(position);
    for (const text::HtmlHint& hint :
         m_checker->hintsBetween(block.position(), block.position() + block.length())) {
        if (hint.position <= position && position <= hint.position + hint.length)
            sentences.append(text::hintSentence(hint));
    }
    return sentences;
}

QStringList HtmlTextBox::hintSentencesIn(const QTextBlock& block) const {
    QStringList sentences;
    if (m_checker) {
        for (const text::HtmlHint& hint :
             m_checker->hintsBetween(block.position(), block.position() + block.length()))
            sentences.append(text::hintSentence(hint));
    }
    return sentences;
}

// Hovering a marked mistake shows its sentence; the status bar is left alone.
bool HtmlTextBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !m_checker)
        return QPlainTextEdit::viewportEvent(event);
    const QPoint where = static_cast<QHelpEvent*>(event)->pos();
    showHintTip(where, hintSentencesAt(cursorForPosition(where).position()), viewport());
    return true;
}

void HtmlTextBox::showHintTip(const QPoint& where, const QStringList& sentences, QWidget* widget) {
    if (sentences.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(widget->mapToGlobal(where), sentences.join(u'\n'), widget);
}

QList<HtmlTextBox::ShownLine> HtmlTextBox::shownLines(int bottom) const {
    QList<ShownLine> lines;
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= bottom) {
        const qreal height = blockBoundingRect(block).height();
        lines.append({block, top, height});
        top += height;
        block = block.next();
    }
    return lines;
}

bool HtmlTextBox::hasHintsIn(const QTextBlock& block) const {
    return m_checker &&
           !m_checker->hintsBetween(block.position(), block.position() + block.length()).isEmpty();
}

} // namespace vimla::shell
