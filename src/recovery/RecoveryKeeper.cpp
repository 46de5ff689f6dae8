#include "recovery/RecoveryKeeper.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"

#include <QLocale>
#include <QPlainTextEdit>

#include <memory>

namespace vimla::recovery {
namespace {

QString restoreQuestion(const RecoveryCopy& copy) {
    const QString when = QLocale(QLocale::Swedish, QLocale::Sweden)
                             .toString(copy.writtenAt.toLocalTime(), u"d MMMM yyyy 'kl.' HH:mm");
    return QStringLiteral("Programmet avslutades inte som det skulle. En text som inte hann "
                          "sparas finns kvar:\n\n%1\n(kopierad %2)\n\nVill du få tillbaka den?")
        .arg(copy.fileName, when);
}

} // namespace

RecoveryKeeper::RecoveryKeeper(shell::Editor& editor)
    : QObject(&editor), m_editor(editor), m_folder(editor.platform()) {
    m_disk.setMaxThreadCount(1);
    m_disk.setExpiryTimeout(-1); // the one thread stays, so the order of the work is kept
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPause);
    connect(&m_pause, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    if (!m_folder.isUsable())
        return; // no state folder: the program works as it would without copies
    connect(&editor, &shell::Editor::changeMarked, this, &RecoveryKeeper::changeMarked);
    connect(&editor, &shell::Editor::changesDropped, this, &RecoveryKeeper::changesDropped);
    connect(&editor, &shell::Editor::programEnding, this, &RecoveryKeeper::endOfRun);
    m_mirror.follow(editor.txtHtml().document());
    connect(&editor, &shell::Editor::documentWindowLoaded, this,
            [this] { m_mirror.follow(m_editor.txtHtml().document()); });
}

RecoveryKeeper::~RecoveryKeeper() {
    m_disk.waitForDone();
}

void RecoveryKeeper::onDisk(std::function<void()> work) {
    m_disk.start(std::move(work));
}

void RecoveryKeeper::changeMarked() {
    ++m_change;
    if (!m_unsavedSince.isValid())
        m_unsavedSince.start();
    // Every edit puts the copy off, unless typing has gone on so long without a pause that the
    // copy is overdue: then the timer already running is left to run out.
    if (!m_pause.isActive() || m_unsavedSince.elapsed() < m_longestWait.count())
        m_pause.start();
}

void RecoveryKeeper::changesDropped() {
    m_pause.stop();
    m_unsavedSince.invalidate();
    m_copiedChange = m_change;
    if (m_copyOnDisk) {
        m_copyOnDisk = false;
        onDisk([&platform = m_editor.platform(), path = m_folder.copyPath()] {
            platform.removeFile(path);
        });
    }
    // A document renamed "Namnlös" can still hold unsaved text (a page template whose save was
    // cancelled): it gets a copy of its own.
    if (m_editor.state().strAndrad == shell::kJa)
        changeMarked();
}

void RecoveryKeeper::writeCopy() {
    if (m_change == m_copiedChange || m_editor.state().strAndrad != shell::kJa ||
        !m_editor.hasDocumentWindow())
        return;
    if (m_mirror.isLent()) { // the last copy is still being made; this one follows it
        m_pause.start();
        return;
    }
    m_copiedChange = m_change;
    m_unsavedSince.start();
    m_copyOnDisk = true;
    // The snapshot is all the keyboard's thread pays for; making the bytes and writing them
    // happen on the disk thread.
    // Shared, so the text can be let go of however the thread pool copies the work.
    auto copy = std::make_shared<RecoveryCopy>(
        RecoveryCopy{m_editor.currentFileName(), QDateTime::currentDateTime(),
                     m_editor.frmHtml().encoding(), m_mirror.lend()});
    onDisk([this, &platform = m_editor.platform(), path = m_folder.copyPath(), copy,
            change = m_change] {
        copy->text.replace(QChar(0x2029), u'\n');
        const QByteArray bytes = toBytes(*copy);
        copy->text = QString();
        QMetaObject::invokeMethod(this, [this] { m_mirror.giveBack(); });
        if (platform.writeFileAtomically(path, bytes) == platform::WriteResult::Written)
            QMetaObject::invokeMethod(this, [this, change] { emit copyWritten(change); });
    });
}

void RecoveryKeeper::endOfRun() {
    m_pause.stop();
    m_disk.waitForDone();
    m_folder.close();
    m_copyOnDisk = false;
}

void RecoveryKeeper::offerLeftoverCopies() {
    std::vector<LeftoverCopy> leftovers = m_folder.leftoverCopies();
    for (LeftoverCopy& leftover : leftovers) {
        if (askToRestore(leftover))
            return; // the others are asked about at the next start
    }
}

bool RecoveryKeeper::askToRestore(LeftoverCopy& leftover) {
    const platform::Answer answer = m_editor.platform().showMessage(
        {shell::kProgramTitle, restoreQuestion(leftover.copy), platform::Buttons::YesNo,
         platform::Icon::None, platform::Answer::Yes},
        nullptr);
    if (answer != platform::Answer::Yes) {
        m_folder.setAside(leftover);
        return false;
    }
    m_editor.setCurrentFileName(leftover.copy.fileName);
    m_editor.setText(leftover.copy.text);
    m_editor.frmHtml().setEncoding(leftover.copy.encoding);
    m_editor.markChanged();
    // The copy stands for the restored text until this run writes its own over it.
    m_disk.waitForDone();
    m_folder.adopt(leftover);
    m_copyOnDisk = true;
    m_copiedChange = m_change;
    return true;
}

void keepRecoveryCopies(shell::Editor& editor) {
    auto* keeper = new RecoveryKeeper(editor);
    keeper->offerLeftoverCopies();
}

} // namespace vimla::recovery
