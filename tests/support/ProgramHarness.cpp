#include "support/ProgramHarness.h"

#include "program/Program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

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
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier,
                          c == u'\n' ? QString() : QString(c));
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

QString ProgramHarness::path(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

} // namespace vimla::testing
