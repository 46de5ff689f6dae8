// Showing a typical photo in the image dialog: a 3000 × 2000 JPEG selected in the file list until
// the preview has painted it, and the same photo in the viewer after a double-click on the
// preview. Prints "RESULT <name> <milliseconds> ms" lines: the median and the slowest of the runs.

#include "dialogs/FrmBild.h"
#include "dialogs/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/QtPlatform.h"
#include "program/Program.h"
#include "shell/Editor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

class BenchPlatform : public vimla::platform::QtPlatform {
public:
    QString folder;
    int pictureFailures = 0;

    vimla::platform::Answer showMessage(const vimla::platform::Message& message,
                                        QWidget*) override {
        if (message.text == vimla::dialogs::kPictureFailure)
            ++pictureFailures;
        return vimla::platform::Answer::Ok;
    }
    QString applicationFolder() override { return folder; }
    QString currentFolder() override { return folder; }
    void endProgram() override {}
};

// Gradients, shapes and sensor-like noise, so the file is as large as a camera's.
QImage photoLikePicture() {
    QImage image(3000, 2000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 2000);
    sky.setColorAt(0, QColor(90, 140, 220));
    sky.setColorAt(1, QColor(40, 120, 40));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(7);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 120 + random.bounded(120), 200));
        painter.drawEllipse(random.bounded(3000), random.bounded(2000), 40 + random.bounded(300),
                            40 + random.bounded(200));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = random.bounded(17) - 8;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                     std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    return image;
}

void report(const char* name, std::vector<double> milliseconds) {
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("RESULT %s %.1f ms (slowest %.1f ms, %zu runs)\n", name,
                milliseconds[milliseconds.size() / 2], milliseconds.back(), milliseconds.size());
}

void selectFile(QListWidget* list, const QString& name) {
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    photoLikePicture().save(dir.filePath("foto.jpg"), "JPEG", 90);
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(Qt::red);
    small.save(dir.filePath("liten.jpg"), "JPEG", 90);
    std::printf("photo: 3000 x 2000, %lld bytes\n", QFileInfo(dir.filePath("foto.jpg")).size());

    BenchPlatform platform;
    platform.folder = folder.path();
    auto editor = vimla::program::startProgram(platform);
    auto* frmBild = qobject_cast<vimla::dialogs::FrmBild*>(
        editor->windows().showDialog(QStringLiteral("frmBild")));
    if (!frmBild)
        return 1;
    auto* list = frmBild->findChild<QListWidget*>(QStringLiteral("lstfiler"));
    auto* preview = frmBild->findChild<vimla::dialogs::PictureBox*>(QStringLiteral("Picture1"));
    QCoreApplication::processEvents();

    std::vector<double> previewTimes, viewerTimes, wholeDecodeTimes;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        selectFile(list, QStringLiteral("liten.jpg"));
        timer.start();
        selectFile(list, QStringLiteral("foto.jpg"));
        preview->repaint();
        previewTimes.push_back(timer.nsecsElapsed() / 1e6);

        timer.start();
        QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(5, 5));
        if (QWidget* viewer = editor->windows().open(QStringLiteral("frmStor")))
            viewer->findChild<vimla::dialogs::PictureBox*>(QStringLiteral("Picture1"))->repaint();
        viewerTimes.push_back(timer.nsecsElapsed() / 1e6);

        // For comparison: decoding every pixel, as a box that showed the whole photo would.
        timer.start();
        const bool decoded = vimla::platform::loadPicture(dir.filePath("foto.jpg")).has_value();
        wholeDecodeTimes.push_back(decoded ? timer.nsecsElapsed() / 1e6 : -1);
    }
    report("picture-preview-3000x2000-jpeg", previewTimes);
    report("picture-viewer-3000x2000-jpeg", viewerTimes);
    report("picture-whole-decode-3000x2000-jpeg", wholeDecodeTimes);
    if (platform.pictureFailures > 0)
        std::printf("FAILED: the photo could not be shown %d times\n", platform.pictureFailures);
    return platform.pictureFailures > 0 ? 1 : 0;
}
