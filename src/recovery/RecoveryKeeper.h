#pragma once

#include "recovery/RecoveryFolder.h"
#include "recovery/TextMirror.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vimla::shell {
class Editor;
}

namespace vimla::recovery {

// Keeps a copy of unsaved text in the user's state folder, so a crash, a power cut or a killed
// program loses at most the last few seconds of typing. The copy is written a moment after the
// typing pauses, on a thread of its own, and removed whenever the text stops being unsaved by
// the pupil's own doing (a save, opening a file, closing the document, a normal end).
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPause{2000};
    // Typing that never pauses still gets a copy this often.
    static constexpr std::chrono::milliseconds kLongestWait{30000};

    explicit RecoveryKeeper(shell::Editor& editor);
    ~RecoveryKeeper() override;

    // At start: asks about each copy that a run which is gone left behind, newest first, until
    // the pupil takes one back.
    void offerLeftoverCopies();

    void setPause(std::chrono::milliseconds pause) { m_pause.setInterval(pause); }
    void setLongestWait(std::chrono::milliseconds longest) { m_longestWait = longest; }
    // Waits until every copy and removal ordered so far is done.
    void waitForDisk() { m_disk.waitForDone(); }

signals:
    // A copy holding the text as it was after the given change is on the disk.
    void copyWritten(quint64 change);

private:
    void changeMarked();
    void changesDropped();
    void writeCopy();
    void endOfRun();
    bool askToRestore(LeftoverCopy& leftover);
    // File work runs on the one disk thread, in the order it was asked for.
    void onDisk(std::function<void()> work);

    shell::Editor& m_editor;
    RecoveryFolder m_folder;
    QTimer m_pause;
    QElapsedTimer m_unsavedSince;
    std::chrono::milliseconds m_longestWait = kLongestWait;
    QThreadPool m_disk;
    quint64 m_change = 0;       // counts the edits
    quint64 m_copiedChange = 0; // the edit the last copy holds
    bool m_copyOnDisk = false;
    TextMirror m_mirror;
};

// Starts keeping copies for the program and asks about copies left from before.
void keepRecoveryCopies(shell::Editor& editor);

} // namespace vimla::recovery
