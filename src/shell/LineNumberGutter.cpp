#include "shell/LineNumberGutter.h"

#include "shell/HtmlTextBox.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextBlock>

namespace vimla::shell {
namespace {

const QColor kLineNumberColour(0x70, 0x70, 0x70);
const QColor kBackground(0xF2, 0xF2, 0xF2);

} // namespace

LineNumberGutter::LineNumberGutter(HtmlTextBox& box) : QWidget(&box), m_box(box) {
    setObjectName(QStringLiteral("lineNumbers"));
    setAccessibleName(QStringLiteral("Radnummer"));
}

QSize LineNumberGutter::sizeHint() const {
    return {m_box.gutterWidth(), 0};
}

// The numbers in the editor's font, the caret's line in bold black, and a round mark beside
// each line where a mistake begins.
void LineNumberGutter::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int space = metrics.horizontalAdvance(u' ');
    const int markSize = metrics.height() / 2;
    const int numbersRight = width() - 2 * space - markSize;
    const int caretLine = m_box.textCursor().blockNumber();
    const QList<HtmlTextBox::ShownLine> lines = m_box.shownLines(event->rect().bottom());
    int number = lines.isEmpty() ? 0 : lines.first().block.blockNumber();
    for (const HtmlTextBox::ShownLine& line : lines) {
        if (line.top + line.height >= event->rect().top()) {
            const bool caret = number == caretLine;
            painter.setFont(caret ? bold : font());
            painter.setPen(caret ? QColor(Qt::black) : kLineNumberColour);
            painter.drawText(QRectF(0, line.top, numbersRight, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(number + 1));
            if (m_box.hasHintsIn(line.block)) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(HtmlTextBox::mistakeColour());
                painter.drawEllipse(QRectF(numbersRight + space,
                                           line.top + (metrics.height() - markSize) / 2.0, markSize,
                                           markSize));
            }
        }
        ++number;
    }
}

// Hovering the mark of a line shows the sentences of the mistakes that begin there.
bool LineNumberGutter::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint where = static_cast<QHelpEvent*>(event)->pos();
    for (const HtmlTextBox::ShownLine& line : m_box.shownLines(where.y())) {
        if (where.y() < line.top + line.height) {
            HtmlTextBox::showHintTip(where, m_box.hintSentencesIn(line.block), this);
            return true;
        }
    }
    HtmlTextBox::showHintTip(where, {}, this);
    return true;
}

} // namespace vimla::shell
