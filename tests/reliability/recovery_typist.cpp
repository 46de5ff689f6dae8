// Types into the editor in short bursts, pausing after each until the recovery copy holds it,
// until it is killed. Arguments: the state folder, the size of the text typed before. Says
// "ready" once the editor is up, "typed N" after burst N and "kept N" once its copy is on the
// disk, so the kill test knows what a copy must hold at least.
#include "RecoveryText.h"

#include "program/Program.h"
#include "recovery/RecoveryKeeper.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s STATE-FOLDER BYTES\n", argv[0]);
        return 2;
    }
    vimla::testing::ScriptedPlatform platform;
    platform.userStateFolderPath = QString::fromLocal8Bit(argv[1]);
    const auto editor = vimla::program::startProgram(platform);
    auto* keeper = editor->findChild<vimla::recovery::RecoveryKeeper*>();
    keeper->setPause(std::chrono::milliseconds(20));
    QSignalSpy kept(keeper, &vimla::recovery::RecoveryKeeper::copyWritten);
    editor->setText(vimla::testing::textBeforeTyping(std::atoll(argv[2])));
    editor->txtHtml().moveCursor(QTextCursor::End);
    std::printf("ready\n");
    std::fflush(stdout);
    for (int burst = 1;; ++burst) {
        QTest::keyClicks(&editor->txtHtml(), vimla::testing::typedBurst(burst));
        std::printf("typed %d\n", burst);
        std::fflush(stdout);
        kept.clear();
        if (!kept.wait(10000))
            return 1;
        std::printf("kept %d\n", burst);
        std::fflush(stdout);
    }
}
