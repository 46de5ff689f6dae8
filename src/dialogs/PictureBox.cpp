#include "dialogs/PictureBox.h"

#include "platform/Pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimla::dialogs {

int pixelsFromTwips(int twips, int dotsPerInch) {
    return qRound(twips * dotsPerInch / 1440.0);
}

PictureBox::PictureBox(const QString& objectName, int widthTwips, int heightTwips, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    const int frame = 2 * frameWidth();
    setFixedSize(pixelsFromTwips(widthTwips, logicalDpiX()) + frame,
                 pixelsFromTwips(heightTwips, logicalDpiY()) + frame);
}

bool PictureBox::load(const QString& path) {
    // Only the visible corner is decoded: the box never scrolls or scales.
    std::optional<QImage> picture = platform::loadPicture(path, contentsRect().size());
    if (!picture)
        return false;
    m_picture = std::move(*picture);
    update();
    return true;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), m_picture);
    painter.end();
    QFrame::paintEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace vimla::dialogs
