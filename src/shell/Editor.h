#pragma once

#include "platform/Platform.h"
#include "shell/DocumentFiles.h"
#include "shell/EditorState.h"
#include "shell/WindowRegistry.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QPlainTextEdit;

namespace vimla::shell {

class DocumentWindow;
class MainWindow;

// The program's shared module: the editor state and the document, and the parts every window
// reaches through it: the file procedures, the window registry and the desktop.
class Editor : public QObject {
    Q_OBJECT
public:
    explicit Editor(platform::Platform& platform);
    ~Editor() override;

    // Start-up: shows the frame and loads the document window into it.
    void start();

    platform::Platform& platform() { return m_platform; }
    EditorState& state() { return m_state; }
    const EditorState& state() const { return m_state; }
    DocumentFiles& files() { return m_files; }
    WindowRegistry& windows() { return m_windows; }

    MainWindow& mdiForm1();
    // The document window; a fresh one is loaded first when the pupil has closed it.
    DocumentWindow& frmHtml();
    QPlainTextEdit& txtHtml();
    bool hasDocumentWindow() const { return !m_document.isNull(); }

    // The current file name is the document window's caption.
    QString currentFileName();
    void setCurrentFileName(const QString& fileName);
    QString statusText() const;
    void markChanged();   // strAndrad "ja", status "Ändrad"
    void markUnchanged(); // strAndrad "", status empty

    // The whole text and the selection, with CR LF line breaks.
    QString text();
    void setText(const QString& text);
    QString selectedText();
    // Replaces the selection (or inserts at the caret) as one undo step; the caret ends behind
    // the written text with nothing selected.
    void writeSelectedText(const QString& text);
    void Omslut(const QString& openingTag, const QString& closingTag);
    // The document becomes "Namnlös", empty and unchanged.
    void startEmptyUnnamedDocument();

    // Dialog modality: the document window is disabled while a toolbar dialog is open.
    void EditorAv();
    void EditorPa();

    // Message boxes with the program's title.
    void showFailure(const QString& text, const QString& title = kProgramTitle);
    platform::Answer askYesNoCancel(const QString& text, const QString& title = kProgramTitle);

    // The pupil closed the document window without ending the program: its text is gone, so
    // nothing unsaved is left, and the next command loads a fresh window.
    void documentWindowUnloaded();

    // Ends the program at once: no further close handling or question.
    void endProgram();
    bool isEnding() const { return m_ending; }

signals:
    // A fresh document window was loaded (at start-up or after the pupil closed the last one).
    void documentWindowLoaded();
    // The text has changes that are in no file; raised by every edit.
    void changeMarked();
    // The text that had changes is saved, or given up by the pupil's choice: the document was
    // opened, closed, emptied or replaced by a new page.
    void changesDropped();
    // The program ends normally, by the pupil's command.
    void programEnding();

private:
    void loadDocumentWindow();

    platform::Platform& m_platform;
    EditorState m_state;
    DocumentFiles m_files{*this};
    WindowRegistry m_windows{*this};
    std::unique_ptr<MainWindow> m_mainWindow;
    QPointer<DocumentWindow> m_document;
    bool m_ending = false;
};

} // namespace vimla::shell
