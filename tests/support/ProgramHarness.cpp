#include "support/ProgramHarness.h"

#include "program/Program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>

namespace vimla::testing {

ProgramHarness::ProgramHarness(std::optional<QByteArray> settings) {
    if (settings) {
        QFile file(QDir(platform.applicationFolderPath).filePath(QStringLiteral("vimlahtml.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(*settings);
    }
    m_editor = program::startProgram(platform);
}

ProgramHarness::~ProgramHarness() = default;

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
        if (c.unicode() < 128 && c != u'\n') {
            QTest::keyClick(receiver, c.toLatin1());
            continue;
        }
        // keyClicks asserts on letters outside ASCII; send the key event with its text.
        const Qt::Key key = c == u'\n' ? Qt::Key_Return : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == u'\n' ? QString() : QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, c == u'\n' ? QString() : QString(c));
        QApplication::sendEvent(receiver, &press);
        QApplication::sendEvent(receiver, &release);
    }
}

void ProgramHarness::setTextAndSelect(const QString& text, int start, int length) {
    m_editor->setText(text);
    QTextCursor cursor = txtHtml().textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    txtHtml().setTextCursor(cursor);
}

int ProgramHarness::caret() {
    return txtHtml().textCursor().position();
}

bool ProgramHarness::hasSelection() {
    return txtHtml().textCursor().hasSelection();
}

void ProgramHarness::open(const QString& path) {
    platform.fileChoices.enqueue(ScriptedPlatform::choose(path));
    m_editor->files().Oppna();
}

QStringList ProgramHarness::documentState() {
    return {m_editor->currentFileName(), state().strAndrad, state().strAvbrutet, m_editor->statusText(),
            m_editor->text()};
}

QWidget* ProgramHarness::showDialog(const QString& name) {
    return activate(m_editor->windows().showDialog(name));
}

QWidget* ProgramHarness::activate(QWidget* window) {
    if (window)
        window->activateWindow(); // shortcuts act only in the active window
    return window && QTest::qWaitForWindowActive(window) ? window : nullptr;
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

void ProgramHarness::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
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

void ProgramHarness::verifyOnlyFailure(const QString& text, const QString& title) {
    QCOMPARE(platform.messageTexts(), QStringList{text});
    const vimla::platform::Message& shown = platform.messages.first();
    QVERIFY(shown.icon == vimla::platform::Icon::Exclamation && shown.buttons == vimla::platform::Buttons::Ok);
    QCOMPARE(shown.title, title);
}

void ProgramHarness::verifyDocumentBack() {
    QVERIFY(txtHtml().isEnabled());
    QTRY_VERIFY(txtHtml().hasFocus());
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
