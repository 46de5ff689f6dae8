#pragma once

#include "platform/Platform.h"
#include "recovery/RecoveryCopy.h"

#include <QString>

#include <memory>
#include <vector>

namespace vimla::recovery {

// A copy left by a run that is gone; its lock is held while the pupil decides about it.
struct LeftoverCopy {
    QString path;
    RecoveryCopy copy;
    std::unique_ptr<platform::HeldLock> lock;
};

// The folder of recovery copies. Each running program has a name of its own there, a lock file
// held for the whole run and at most one copy. A copy whose lock can be taken belongs to a run
// that ended without cleaning up: a crash, a power cut, a killed program.
class RecoveryFolder {
public:
    explicit RecoveryFolder(platform::Platform& platform);

    // False when the folder cannot be made or locked: the program then runs without copies.
    bool isUsable() const { return m_lock != nullptr; }
    QString copyPath() const { return m_copyPath; }

    // Copies of runs that are gone, newest first. Unreadable ones are left alone.
    std::vector<LeftoverCopy> leftoverCopies();
    // The copy becomes this run's copy.
    void adopt(LeftoverCopy& leftover);
    // Moves the copy among the set-aside ones, of which the newest few are kept.
    void setAside(LeftoverCopy& leftover);
    // The end of a normal run: the copy and the lock go.
    void close();

private:
    platform::Platform& m_platform;
    QString m_folder;
    QString m_copyPath;
    std::unique_ptr<platform::HeldLock> m_lock;
};

} // namespace vimla::recovery
