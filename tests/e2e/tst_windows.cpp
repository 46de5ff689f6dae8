// Every window as a pupil meets it. Without a mouse: Tab visits the controls in their order and
// comes round again, Shift+Tab goes back, the focused control shows that it has the focus, and the
// menu opens with Alt+A and runs each command by its access key. On the screen, at the scaling it
// runs with (QT_SCALE_FACTOR): each label, button and field is shown whole, at least at the size
// its text needs, inside its window, and none covers another. With VIMLA_SCREENSHOTS naming a
// folder, every window is also photographed there, filled in as a pupil would fill it ("-200"
// behind the file name at 200 %).
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using vimla::testing::ProgramHarness;

namespace {

// One row per window: its Tab order from the control that has the focus when it opens, the file
// name of its screenshot, and what a pupil has written into it ("name=text").
void addWindowRows() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<QStringList>("entries");
    const auto row = [](const char* window, const char* chain, const char* screenshot,
                        const QStringList& entries = {}) {
        QTest::newRow(window) << QString(window) << QString(chain).split(' ') << QString(screenshot)
                              << entries;
    };
    // Tab in the editor writes a tab character: it is the only stop of the main window, whose
    // menu opens with Alt+A.
    row("MDIForm1", "txtHtml", "main-window",
        {"txtHtml=<HTML>\n<HEAD>\n<TITLE>Min första sida</TITLE>\n</HEAD>\n<BODY>\n"
         "<H1>Välkommen!</H1>\n<P>Här skriver jag om <B>min skola</B>.\n</BODY>\n</HTML>"});
    row("frmBody",
        "txtTitel cboBakfarg txtBakbild cboTextfarg cboLink cboVlink cmdOk cmdTom cmdAvbryt",
        "new-document",
        {"txtTitel=Min första sida", "cboBakfarg=white", "cboTextfarg=black", "cboLink=blue",
         "cboVlink=red"});
    row("frmFont", "cboFarg cboStorlek cboTsnitt cmdOk cmdAvbryt", "font-dialog");
    // Tab passes over the option that is not chosen; the arrow keys move between the two.
    row("frmLista", "optOnum txtAntal cmdOk cmdAvbryt", "list-dialog");
    row("frmLank", "txtLankadr txtLanktext cmdOk cmdAvbryt", "link-dialog");
    row("frmTabell", "txtKolumn txtRad txtRam txtBredd cboJust cmdOk cmdAvbryt", "table-dialog",
        {"txtKolumn=3", "txtRad=2", "txtRam=1", "txtBredd=80", "cboJust=center"});
    row("frmBild", "txtBild txtBredd txtHojd txtRam cmdOk cmdAvbryt Dir1 Drive1 lstfiler",
        "image-dialog", {"lstfiler=sol.jpg", "txtBredd=200", "txtRam=0"});
    row("frmStor", "cmdOk", "picture-viewer");
    // No option is chosen yet, so Tab enters the group at its first option; choosing one with the
    // arrow keys opens its dialog.
    row("frmRamar", "cmdavbryt optRam1_1", "frame-layout-chooser");
    row("frmRam1", "txtVanster txtHoger cmdOk cmdAvbryt", "frame-set-dialog-1");
    row("frmRam2", "txtOvre txtUndre cmdOk cmdAvbryt", "frame-set-dialog-2");
    row("frmRam3", "cmdAvbryt txtOvre txtUndre txtVanster txtHoger cmdOk", "frame-set-dialog",
        {"txtOvre=25", "txtVanster=30"});
    row("frmInst", "cboTextStorlek cboTsnitt txtwebblasare cmdBladdra cmdOk cmdAvbryt",
        "settings-dialog");
}

// A pupil's folder of pictures, where the image dialog opens.
QString picturesFolder;

QWidget* show(ProgramHarness& h, const QString& window) {
    h.platform.currentFolderPath = picturesFolder;
    h.platform.folders[picturesFolder] = {{}, {"kvall.jpg", "skolgard.jpg", "sol.jpg"}};
    return window == "MDIForm1" ? &h.editor().mdiForm1() : h.editor().windows().showDialog(window);
}

// Writes a pupil's entries into the fields; a list gets the item of that text chosen.
void fillIn(ProgramHarness& h, const QStringList& entries) {
    for (const QString& entry : entries) {
        const QString text = entry.section('=', 1);
        QWidget* field = h.find(entry.section('=', 0, 0));
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->setText(text);
        else if (auto* box = qobject_cast<QComboBox*>(field))
            box->setEditText(text);
        else if (auto* list = qobject_cast<QListWidget*>(field))
            for (QListWidgetItem* item : list->findItems(text, Qt::MatchExactly))
                item->setSelected(true);
        else if (field == &h.txtHtml())
            h.editor().setText(text);
    }
    h.editor().markUnchanged(); // a fresh look, as just opened
}

// The control that has the focus, named as the window names it: an editable box's line field
// stands for its box.
QString focusedControl() {
    QWidget* widget = QApplication::focusWidget();
    while (widget && widget->objectName().isEmpty() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// The focused control, then the one focused after each of `presses` presses of `key`.
QStringList visited(qsizetype presses, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QStringList controls{focusedControl()};
    for (qsizetype press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        controls << focusedControl();
    }
    return controls;
}

bool isReadable(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// The controls whose text or contents a pupil must be able to read; the parts inside a box (its
// line field, its arrow) belong to the box.
QList<QWidget*> readableControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        bool insideAnother = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            insideAnother |= isReadable(up);
        if (isReadable(widget) && !insideAnother && widget->isVisibleTo(window) &&
            widget->window() == window)
            controls << widget;
    }
    return controls;
}

QString describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\"")
        .arg(widget->objectName(), widget->property("text").toString());
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
    painter.fillRect(0, 90, 200, 30, QColor(0x1d, 0xd1, 0xa1));
    painter.end();
    picture.save(path);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QString m_screenshotFolder = qEnvironmentVariable("VIMLA_SCREENSHOTS");

private slots:
    // The image dialog opens in a folder of pictures. An empty list
    // would have nothing to mark as current, and so show no focus.
    void initTestCase() {
        // The folder tree shows the path: a screenshot gets a tidy one.
        const QString home = m_screenshotFolder.isEmpty()
                                 ? m_home.path()
                                 : QDir::temp().filePath(QStringLiteral("elev"));
        const QString pictures = home + QStringLiteral("/hemsida/bilder");
        QVERIFY(QDir().mkpath(pictures));
        paintLandscape(pictures + QStringLiteral("/sol.jpg"), QColor(0x54, 0xa0, 0xff));
        paintLandscape(pictures + QStringLiteral("/kvall.jpg"), QColor(0x34, 0x1f, 0x97));
        paintLandscape(pictures + QStringLiteral("/skolgard.jpg"), QColor(0x48, 0xdb, 0xfb));
        picturesFolder = pictures;
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/se.vimlaskolan.HtmlEditor.svg")));
    }

    void tabVisitsEveryControlInOrder_data() { addWindowRows(); }
    void tabVisitsEveryControlInOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, chain);
        ProgramHarness h;
        QWidget* shown = show(h, window);
        QVERIFY(shown);
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QTRY_COMPARE(focusedControl(), chain.first());

        const QStringList roundOnce = chain + QStringList{chain.first()};
        QCOMPARE(visited(chain.size(), Qt::Key_Tab), roundOnce);
        QStringList backward = visited(chain.size(), Qt::Key_Backtab, Qt::ShiftModifier);
        std::reverse(backward.begin(), backward.end());
        QCOMPARE(backward, roundOnce);

        // Each stop looks different with the focus than without it.
        for (const QString& name : chain) {
            QWidget* control = shown->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(control->hasFocus());
            const QImage focused = control->grab().toImage();
            control->clearFocus();
            QVERIFY2(control->grab().toImage() != focused, qPrintable(name + " shows no focus"));
        }
    }

    void menuCommandsRunByAccessKeys_data() {
        QTest::addColumn<int>("key"); // runs the menu item the row is named after
        QTest::newRow("mnuStäng") << int(Qt::Key_S);
        QTest::newRow("mnuSparasom") << int(Qt::Key_P);
        QTest::newRow("mnuInställningar") << int(Qt::Key_I);
        QTest::newRow("mnuAvsluta") << int(Qt::Key_A);
    }
    void menuCommandsRunByAccessKeys() {
        QFETCH(int, key);
        QStringList triggered;
        ProgramHarness h;
        h.platform.fileChoices.enqueue({}); // "Spara som..." is cancelled
        vimla::shell::MainWindow& frame = h.editor().mdiForm1();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        for (QAction* action : frame.findChildren<QAction*>()) {
            connect(action, &QAction::triggered, this,
                    [&triggered, action] { triggered << action->objectName(); });
        }

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuArkiv"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(key));
        QCOMPARE(triggered, QStringList{QString::fromUtf8(QTest::currentDataTag())});
    }

    void controlsShowWhole_data() { addWindowRows(); }
    void controlsShowWhole() {
        QFETCH(QString, window);
        QFETCH(QString, screenshot);
        QFETCH(QStringList, entries);
        ProgramHarness h(QByteArray(" 11\r\nDejaVu Sans Mono\r\n\r\n"));
        QWidget* shown = show(h, window);
        QVERIFY(shown);
        fillIn(h, entries);
        QVERIFY(QTest::qWaitForWindowExposed(shown));

        const QList<QWidget*> controls = readableControls(shown);
        QVERIFY(!controls.isEmpty());
        for (QWidget* control : controls) {
            const QRect place = placeIn(shown, control);
            QVERIFY2(shown->rect().contains(place), qPrintable(describe(control) + " sticks out"));
            const QSize needed = control->minimumSizeHint();
            QVERIFY2(
                control->size().expandedTo(needed) == control->size(),
                qPrintable(describe(control) +
                           QString::asprintf(" is cut: %dx%d of %dx%d", control->width(),
                                             control->height(), needed.width(), needed.height())));
            for (QWidget* other : controls) {
                QVERIFY2(other == control || !place.intersects(placeIn(shown, other)),
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
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
