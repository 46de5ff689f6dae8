#include "templates/LockableComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace vimla::templates {

LockableComboBox::LockableComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
}

void LockableComboBox::setLocked(bool locked) {
    m_locked = locked;
    lineEdit()->setReadOnly(locked);
}

void LockableComboBox::showPopup() {
    if (!m_locked)
        QComboBox::showPopup();
}

void LockableComboBox::keyPressEvent(QKeyEvent* event) {
    if (m_locked) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            event->accept(); // these would step through the list
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void LockableComboBox::wheelEvent(QWheelEvent* event) {
    if (m_locked) {
        event->accept();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace vimla::templates
