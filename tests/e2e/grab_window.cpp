// Saves what an X window shows (the whole screen without an id) as a PNG: the e2e suite keeps a
// picture of the screen when a step fails, and the screenshots are cut from it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <iostream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: vimla_grab_window FILE.png [WINDOW-ID]\n";
        return 2;
    }
    const WId window = argc == 3 ? WId(std::stoull(argv[2], nullptr, 0)) : 0;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "could not grab window " << window << '\n';
        return 1;
    }
    return 0;
}
