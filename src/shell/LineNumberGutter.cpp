#include "shell/LineNumberGutter.h"

#include "shell/HtmlTextBox.h"

#include <QHelpEvent>

namespace vimla::shell {

LineNumberGutter::LineNumberGutter(HtmlTextBox& box) : QWidget(&box), m_box(box) {
    setObjectName(QStringLiteral("lineNumbers"));
    setAccessibleName(QStringLiteral("Radnummer"));
}

QSize LineNumberGutter::sizeHint() const {
    return {m_box.gutterWidth(), 0};
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
    m_box.paintGutter(event);
}

bool LineNumberGutter::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    m_box.showGutterTip(static_cast<QHelpEvent*>(event)->pos(), this);
    return true;
}

} // namespace vimla::shell
