#include "recovery/RecoveryFolder.h"

#include <QDir>
#include <QUuid>

#include <algorithm>

namespace vimla::recovery {
namespace {

const QString kCopySuffix = QStringLiteral(".kopia");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kSetAsideFolder = QStringLiteral("undanlagda");
constexpr qsizetype kSetAsideKept = 5;
// A copy is the text of a document, which the editor refuses above this size anyway.
constexpr qint64 kLargestCopyBytes = 1024LL * 1024 * 1024;

} // namespace

RecoveryFolder::RecoveryFolder(platform::Platform& platform)
    : m_platform(platform), m_folder(platform.userStateFolder()) {
    if (m_folder.isEmpty() || !m_platform.makeFolder(m_folder))
        return;
    const QString run = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_copyPath = QDir(m_folder).filePath(run + kCopySuffix);
    m_lock = m_platform.takeLock(QDir(m_folder).filePath(run + kLockSuffix));
}

std::vector<LeftoverCopy> RecoveryFolder::leftoverCopies() {
    std::vector<LeftoverCopy> leftovers;
    if (!isUsable())
        return leftovers;
    const QDir folder(m_folder);
    const QStringList names = m_platform.fileNamesIn(m_folder);
    for (const QString& name : names) {
        // The lock of a run that was killed before it wrote a copy: taking it clears it away.
        if (name.endsWith(kLockSuffix) &&
            !names.contains(name.chopped(kLockSuffix.size()) + kCopySuffix))
            m_platform.takeLock(folder.filePath(name));
    }
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        if (!name.endsWith(kCopySuffix) || path == m_copyPath)
            continue;
        const QString run = name.chopped(kCopySuffix.size());
        auto lock = m_platform.takeLock(folder.filePath(run + kLockSuffix));
        if (!lock)
            continue; // its program is still running
        const std::optional<QByteArray> bytes = m_platform.readFile(path, kLargestCopyBytes);
        std::optional<RecoveryCopy> copy = bytes ? fromBytes(*bytes) : std::nullopt;
        if (copy)
            leftovers.push_back({path, std::move(*copy), std::move(lock)});
    }
    std::sort(leftovers.begin(), leftovers.end(),
              [](const auto& a, const auto& b) { return a.copy.writtenAt > b.copy.writtenAt; });
    return leftovers;
}

void RecoveryFolder::adopt(LeftoverCopy& leftover) {
    m_platform.renameFile(leftover.path, m_copyPath);
    leftover.lock.reset();
}

void RecoveryFolder::setAside(LeftoverCopy& leftover) {
    const QDir setAside(QDir(m_folder).filePath(kSetAsideFolder));
    if (!m_platform.makeFolder(setAside.path()))
        return; // kept where it is: nothing is deleted that nobody decided about
    // Names that sort by time, so the oldest are the first.
    const QString name = leftover.copy.writtenAt.toUTC().toString(u"yyyyMMdd-HHmmsszzz-") +
                         QFileInfo(leftover.path).fileName();
    if (!m_platform.renameFile(leftover.path, setAside.filePath(name)))
        return;
    leftover.lock.reset();
    QStringList kept = m_platform.fileNamesIn(setAside.path()).filter(kCopySuffix);
    kept.sort();
    for (qsizetype i = 0; i + kSetAsideKept < kept.size(); ++i)
        m_platform.removeFile(setAside.filePath(kept[i]));
}

void RecoveryFolder::close() {
    if (!isUsable())
        return;
    m_platform.removeFile(m_copyPath);
    m_lock.reset();
}

} // namespace vimla::recovery
