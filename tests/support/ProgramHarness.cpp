#include "support/ProgramHarness.h"

#include "program/Program.h"
#include "support/Files.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

namespace vimla::testing {

ProgramHarness::ProgramHarness(std::optional<QByteArray> settings) {
    if (settings)
        writeBytes(platform.applicationFolderPath + "/vimlahtml.ini", *settings);
    m_editor = program::startProgram(platform);
}

QWidget* findWidget(const QString& objectName) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == objectName && !top->isHidden())
            return top;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isHidden())
            continue;
        if (auto* child = top->findChild<QWidget*>(objectName))
            return child;
    }
    return nullptr;
}

void ProgramHarness::type(QWidget* target, const QString& text) {
    QWidget* receiver = target ? target : QApplication::focusWidget();
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(receiver, Qt::Key_Return);
        else if (c.unicode() < 128)
            QTest::keyClick(receiver, c.toLatin1());
        else // keyClick asserts on letters outside ASCII: the key goes with its text
            QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ProgramHarness::press(const QString& name, QWidget* window) {
    if (name.isEmpty()) {
        window->close();
    } else {
        auto* button =
            window ? window->findChild<QAbstractButton*>(name) : qobject_cast<QAbstractButton*>(findWidget(name));
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    settle();
}

namespace {

// The controls a pupil can reach with the keyboard; a box's own line field is its box.
QList<QWidget*> controlsOf(const QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QComboBox*>(child->parent()) &&
            (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child) ||
             qobject_cast<QComboBox*>(child)))
            controls << child;
    }
    return controls;
}

} // namespace

void ProgramHarness::verifyKeysPressNothing(QWidget* window) {
    const QString text = m_editor->text(), selected = m_editor->selectedText();
    QPointer<QWidget> open = activate(window);
    QVERIFY(open);
    for (QWidget* control : controlsOf(window)) {
        auto* box = qobject_cast<QComboBox*>(control);
        if (box && box->isEditable())
            type(control, QStringLiteral("3"));
        const int items = box ? box->count() : 0;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(control, key);
        settle();
        QVERIFY2(open && open->isVisible(), qPrintable(control->objectName()));
        QVERIFY2(m_editor->text() == text && m_editor->selectedText() == selected, qPrintable(control->objectName()));
        if (box)
            QCOMPARE(box->count(), items);
    }
}

QStringList ProgramHarness::unlabelledFields(const QWidget* window) {
    QList<QWidget*> named;
    for (const QLabel* label : window->findChildren<QLabel*>())
        named << label->buddy();
    QStringList unlabelled;
    for (QWidget* control : controlsOf(window)) {
        if (!qobject_cast<QAbstractButton*>(control) && !named.contains(control))
            unlabelled << control->objectName();
    }
    return unlabelled;
}

} // namespace vimla::testing
