#include "templates/FramePreview.h"

#include <QPainter>

#include <cmath>

namespace vimla::templates {
namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

FramePreview::FramePreview(const QString& objectName, QSize sizeInTwips, QWidget* parent)
    : QWidget(parent), m_sizeInTwips(sizeInTwips) {
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FramePreview::addLine(const QString& name, TwipLine line) {
    m_lines.append({name, line});
    update();
}

TwipLine FramePreview::line(const QString& name) const {
    for (const NamedLine& named : m_lines) {
        if (named.name == name)
            return named.line;
    }
    return {};
}

void FramePreview::setLine(const QString& name, TwipLine line) {
    for (NamedLine& named : m_lines) {
        if (named.name == name) {
            named.line = line;
            update();
            return;
        }
    }
}

QSize FramePreview::sizeHint() const {
    return {static_cast<int>(std::lround(m_sizeInTwips.width() * logicalDpiX() / kTwipsPerInch)),
            static_cast<int>(std::lround(m_sizeInTwips.height() * logicalDpiY() / kTwipsPerInch))};
}

void FramePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // Drawn to the widget's actual size, so the division stays right whatever the screen.
    const double xScale = double(width() - 1) / m_sizeInTwips.width();
    const double yScale = double(height() - 1) / m_sizeInTwips.height();
    painter.setPen(Qt::black);
    for (const NamedLine& named : m_lines) {
        const TwipLine& l = named.line;
        painter.drawLine(QPointF(l.x1 * xScale, l.y1 * yScale),
                         QPointF(l.x2 * xScale, l.y2 * yScale));
    }
}

} // namespace vimla::templates
