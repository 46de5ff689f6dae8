// Saves numbered versions of a document over one file through the platform, one after the
// other, until it is killed. Arguments: the file, the first version, the size in bytes. Says
// "saving N" before and "saved N" after each save, so the test knows where its kill landed.
#include "SaveVersions.h"

#include "platform/QtPlatform.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE FIRST-VERSION BYTES\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    vimla::platform::QtPlatform platform;
    for (int version = std::atoi(argv[2]);; ++version) {
        const QByteArray text = vimla::testing::documentVersion(version, std::atoll(argv[3]));
        std::printf("saving %d\n", version);
        std::fflush(stdout);
        if (platform.writeFileAtomically(path, text) != vimla::platform::WriteResult::Written) {
            std::fprintf(stderr, "version %d was not saved\n", version);
            return 1;
        }
        std::printf("saved %d\n", version);
        std::fflush(stdout);
    }
}
