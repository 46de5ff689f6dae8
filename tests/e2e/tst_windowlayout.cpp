// Every window laid out tidily at the scaling it runs with (QT_SCALE_FACTOR): each label, button
// and field is shown whole, at least at the size its text needs, inside its window, and none
// covers another. With VIMLA_SCREENSHOTS naming a folder, every window is also photographed there,
// filled in as a pupil would fill it ("-200" behind the file name at 200 %).
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using vimla::testing::ProgramHarness;

namespace {

// The controls whose text or contents a pupil must be able to read; the parts inside a box (its
// line field, its arrow) belong to the box.
QList<QWidget*> readableControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool readable =
            qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
            qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractItemView*>(widget);
        if (!readable || !widget->isVisibleTo(window) || widget->window() != window)
            continue;
        bool insideAnother = false;
        for (QWidget* up = widget->parentWidget(); up != window; up = up->parentWidget())
            insideAnother |= qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractItemView*>(up) ||
                             qobject_cast<QAbstractButton*>(up);
        if (!insideAnother)
            controls << widget;
    }
    return controls;
}

QString describe(const QWidget* widget) {
    QString name = widget->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        name += QStringLiteral(" \"%1\"").arg(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += QStringLiteral(" \"%1\"").arg(button->text());
    return name;
}

QRect placeIn(QWidget* window, const QWidget* widget) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// A small landscape for the image dialog's folder: sky, sun and grass.
void paintLandscape(const QString& path, const QColor& sky) {
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(sky);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfe, 0xca, 0x57));
    painter.drawEllipse(QPoint(150, 35), 20, 20);
    painter.setBrush(QColor(0x1d, 0xd1, 0xa1));
    painter.drawRect(0, 90, 200, 30);
    painter.end();
    picture.save(path);
}

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void controlsShowWhole_data();
    void controlsShowWhole();

private:
    // Opens the window of a row and fills it in as the screenshot shows it.
    QWidget* openFilledIn(ProgramHarness& h, const QString& window);

    QTemporaryDir m_home;
    QString m_screenshotFolder = qEnvironmentVariable("VIMLA_SCREENSHOTS");
};

// The image dialog opens in the current folder: a pupil's folder of pictures.
void TestWindowLayout::initTestCase() {
    // The folder tree shows the path: a screenshot gets a tidy one.
    const QString home = m_screenshotFolder.isEmpty()
                             ? m_home.path()
                             : QDir::temp().filePath(QStringLiteral("elev"));
    const QString pictures = home + QStringLiteral("/hemsida/bilder");
    QVERIFY(QDir().mkpath(pictures));
    paintLandscape(pictures + QStringLiteral("/sol.jpg"), QColor(0x54, 0xa0, 0xff));
    paintLandscape(pictures + QStringLiteral("/kvall.jpg"), QColor(0x34, 0x1f, 0x97));
    paintLandscape(pictures + QStringLiteral("/skolgard.jpg"), QColor(0x48, 0xdb, 0xfb));
    QVERIFY(QDir::setCurrent(pictures));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/se.vimlaskolan.HtmlEditor.svg")));
}

void TestWindowLayout::controlsShowWhole_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("screenshot"); // file name without ".png"

    QTest::newRow("main window") << "MDIForm1"
                                 << "main-window";
    QTest::newRow("frmBody") << "frmBody"
                             << "new-document";
    QTest::newRow("frmFont") << "frmFont"
                             << "font-dialog";
    QTest::newRow("frmLista") << "frmLista"
                              << "list-dialog";
    QTest::newRow("frmLank") << "frmLank"
                             << "link-dialog";
    QTest::newRow("frmTabell") << "frmTabell"
                               << "table-dialog";
    QTest::newRow("frmBild") << "frmBild"
                             << "image-dialog";
    QTest::newRow("frmStor") << "frmStor"
                             << "picture-viewer";
    QTest::newRow("frmRamar") << "frmRamar"
                              << "frame-layout-chooser";
    QTest::newRow("frmRam1") << "frmRam1"
                             << "frame-set-dialog-1";
    QTest::newRow("frmRam2") << "frmRam2"
                             << "frame-set-dialog-2";
    QTest::newRow("frmRam3") << "frmRam3"
                             << "frame-set-dialog";
    QTest::newRow("frmInst") << "frmInst"
                             << "settings-dialog";
}

void TestWindowLayout::controlsShowWhole() {
    QFETCH(QString, window);
    QFETCH(QString, screenshot);
    ProgramHarness h(QByteArray(" 11\r\nDejaVu Sans Mono\r\n\r\n"));
    QWidget* shown = openFilledIn(h, window);
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    const QList<QWidget*> controls = readableControls(shown);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        const QRect place = placeIn(shown, control);
        QVERIFY2(shown->rect().contains(place), qPrintable(describe(control) + " sticks out"));
        const QSize needed = control->minimumSizeHint();
        QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
                 qPrintable(QStringLiteral("%1 is cut: %2x%3 of %4x%5")
                                .arg(describe(control))
                                .arg(control->width())
                                .arg(control->height())
                                .arg(needed.width())
                                .arg(needed.height())));
        for (QWidget* other : controls) {
            if (other != control && !control->isAncestorOf(other) && !other->isAncestorOf(control))
                QVERIFY2(!place.intersects(placeIn(shown, other)),
                         qPrintable(describe(control) + " covers " + describe(other)));
        }
    }

    if (m_screenshotFolder.isEmpty())
        return;
    QCursor::setPos(shown->screen(), shown->screen()->geometry().bottomRight()); // no hover
    QTest::qWait(300); // let the window system draw everything
    const QPixmap picture = shown->grab();
    const QString suffix = picture.devicePixelRatio() >= 2 ? QStringLiteral("-200") : QString();
    QVERIFY(picture.save(
        QDir(m_screenshotFolder).filePath(screenshot + suffix + QStringLiteral(".png"))));
}

QWidget* TestWindowLayout::openFilledIn(ProgramHarness& h, const QString& window) {
    const auto fill = [&h](const QString& name, const QString& text) {
        QWidget* field = h.find(name);
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->setText(text);
        else if (auto* box = qobject_cast<QComboBox*>(field))
            box->setEditText(text);
    };
    if (window == "MDIForm1") {
        h.editor().setText("<HTML>\n<HEAD>\n<TITLE>Min första sida</TITLE>\n</HEAD>\n<BODY>\n"
                           "<H1>Välkommen!</H1>\n<P>Här skriver jag om <B>min skola</B>.\n"
                           "</BODY>\n</HTML>");
        h.editor().markUnchanged();
        h.txtHtml().setFocus();
        return &h.editor().mdiForm1();
    }
    QWidget* shown = h.editor().showDialog(window);
    if (window == "frmBody") {
        fill("txtTitel", "Min första sida");
        fill("cboBakfarg", "white");
        fill("cboTextfarg", "black");
        fill("cboLink", "blue");
        fill("cboVlink", "red");
    } else if (window == "frmTabell") {
        fill("txtKolumn", "3");
        fill("txtRad", "2");
        fill("txtRam", "1");
        fill("txtBredd", "80");
        fill("cboJust", "center");
    } else if (window == "frmBild") {
        auto* files = h.find<QListWidget>("lstfiler");
        const QList<QListWidgetItem*> sun = files->findItems("sol.jpg", Qt::MatchExactly);
        if (!sun.isEmpty())
            sun.first()->setSelected(true);
        fill("txtBredd", "200");
        fill("txtRam", "0");
    } else if (window == "frmRam3") {
        fill("txtOvre", "25");
        fill("txtVanster", "30");
    }
    return shown;
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
