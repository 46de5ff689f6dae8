// Saves what an X window shows (the whole screen without an id) as a PNG: the end-to-end scripts
// keep a picture of the screen when a step fails, and the screenshots are cut from it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3)
        qFatal("usage: vimla_grab_window FILE.png [WINDOW-ID]");
    const WId window = argc == 3 ? WId(std::stoull(argv[2], nullptr, 0)) : 0;
    return QGuiApplication::primaryScreen()->grabWindow(window).save(argv[1]) ? 0 : 1;
}
