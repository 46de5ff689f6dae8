#pragma once

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "support/ScriptedPlatform.h"

// What nearly every test of the running program uses, so that the tests need not list it.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vimla::testing {

QWidget* findWidget(const QString& objectName);

// The whole program on a scripted platform, built as start-up builds it, after writing `settings` unless nullopt.
class ProgramHarness {
public:
    explicit ProgramHarness(std::optional<QByteArray> settings = QByteArray(" 12\r\nArial\r\n\r\n"));

    ScriptedPlatform platform;
    shell::Editor& editor() { return *m_editor; }
    shell::EditorState& state() { return m_editor->state(); }
    QPlainTextEdit& txtHtml() { return m_editor->txtHtml(); }

    // A top-level window or control of the program by its object name, or nullptr.
    template <typename T = QWidget> T* find(const QString& objectName) const {
        return qobject_cast<T*>(findWidget(objectName));
    }

    // Types text key by key into the focused widget (or into `target`), Swedish letters too.
    static void type(QWidget* target, const QString& text);

    // Sets the text and selection of the editor directly: select [start, start + length).
    void setTextAndSelect(const QString& text, int start, int length) {
        m_editor->setText(text);
        QTextCursor cursor = txtHtml().textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        txtHtml().setTextCursor(cursor);
    }
    int caret() { return txtHtml().textCursor().position(); }

    // Opens the file through "Öppna" and its dialog.
    void open(const QString& path) {
        platform.fileChoices.enqueue(ScriptedPlatform::choose(path));
        m_editor->files().Oppna();
    }
    // What the pupil sees of the document: name, flags, status and text.
    QStringList documentState() {
        return {m_editor->currentFileName(), state().strAndrad, state().strAvbrutet, m_editor->statusText(),
                m_editor->text()};
    }

    // Shows a dialog as its toolbar button does and waits until it is the active window.
    QWidget* showDialog(const QString& name) { return activate(m_editor->windows().showDialog(name)); }
    // Activates the window and waits for it; nullptr if it is missing or stays inactive.
    static QWidget* activate(QWidget* window) {
        if (window)
            window->activateWindow(); // shortcuts act only in the active window
        return window && QTest::qWaitForWindowActive(window) ? window : nullptr;
    }
    // Clicks the button `name` (in `window` if given), or for no name the close box; then lets a closed window go.
    static void press(const QString& name, QWidget* window = nullptr);
    // Deletes closed windows and lets the focus move, as the event loop would.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Checks that Return, Enter and Escape press no button, field or box of the window (each editable
    // box has "3" typed first): the window stays, the document keeps text and selection, no list grows.
    void verifyKeysPressNothing(QWidget* window);
    // Checks that exactly one message was shown: `text`, exclamation mark, OK, and the title.
    void verifyOnlyFailure(const QString& text, const QString& title = QStringLiteral("Vimlaskolans HTML-editor")) {
        QCOMPARE(platform.messageTexts(), QStringList{text});
        const vimla::platform::Message& shown = platform.messages.first();
        QVERIFY(shown.icon == vimla::platform::Icon::Exclamation && shown.buttons == vimla::platform::Buttons::Ok);
        QCOMPARE(shown.title, title);
    }
    // Checks that the document window is enabled and has the keyboard focus again.
    void verifyDocumentBack() {
        QVERIFY(txtHtml().isEnabled());
        QTRY_VERIFY(txtHtml().hasFocus());
    }
    // The fields (line edits and boxes) of the window that no label names for screen readers.
    static QStringList unlabelledFields(const QWidget* window);

private:
    std::unique_ptr<shell::Editor> m_editor;
};

} // namespace vimla::testing
