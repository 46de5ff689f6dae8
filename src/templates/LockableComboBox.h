#pragma once

#include <QComboBox>

namespace vimla::templates {

// An editable combo box that can be locked: while locked, its text can be neither typed into
// nor chosen from the list (by the arrow button, the keyboard or the mouse wheel).
class LockableComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LockableComboBox(QWidget* parent = nullptr);

    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_locked = false;
};

} // namespace vimla::templates
