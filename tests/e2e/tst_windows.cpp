// Every window as a pupil meets it. Without a mouse: Tab visits the controls in their order and
// comes round again, Shift+Tab goes back, the focused control shows that it has the focus, and the
// menu opens with Alt+A and runs each command by its access key. On the screen, at the scaling it
// runs with (QT_SCALE_FACTOR): each label, button and field is shown whole, at least at the size
// its text needs, inside its window, and none covers another. And every dialog leaves by "Avbryt"
// or its close box without a trace, its fields labelled and Return, Enter and Escape inert.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using vimla::testing::ProgramHarness;

namespace {

// One row per window: its Tab order from the control that has the focus when it opens.
void addWindowRows() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("chain");
    const auto row = [](const char* window, const char* chain) {
        QTest::newRow(window) << QString(window) << QString(chain).split(' ');
    };
    // Tab in the editor writes a tab character: it is the only stop of the main window, whose
    // menu opens with Alt+A.
    row("MDIForm1", "txtHtml");
    row("frmBody",
        "txtTitel cboBakfarg txtBakbild cboTextfarg cboLink cboVlink cmdOk cmdTom cmdAvbryt");
    row("frmFont", "cboFarg cboStorlek cboTsnitt cmdOk cmdAvbryt");
    // Tab passes over the option that is not chosen; the arrow keys move between the two.
    row("frmLista", "optOnum txtAntal cmdOk cmdAvbryt");
    row("frmLank", "txtLankadr txtLanktext cmdOk cmdAvbryt");
    row("frmTabell", "txtKolumn txtRad txtRam txtBredd cboJust cmdOk cmdAvbryt");
    row("frmBild", "txtBild txtBredd txtHojd txtRam cmdOk cmdAvbryt Dir1 Drive1 lstfiler");
    row("frmStor", "cmdOk");
    // No option is chosen yet, so Tab enters the group at its first option; choosing one with the
    // arrow keys opens its dialog.
    row("frmRamar", "cmdavbryt optRam1_1");
    row("frmRam1", "txtVanster txtHoger cmdOk cmdAvbryt");
    row("frmRam2", "txtOvre txtUndre cmdOk cmdAvbryt");
    row("frmRam3", "cmdAvbryt txtOvre txtUndre txtVanster txtHoger cmdOk");
    row("frmInst", "cboTextStorlek cboTsnitt txtwebblasare cmdBladdra cmdOk cmdAvbryt");
}

// A pupil's folder of pictures, where the image dialog opens.
QString picturesFolder;

QWidget* show(ProgramHarness& h, const QString& window) {
    h.platform.currentFolderPath = picturesFolder;
    h.platform.folders[picturesFolder] = {{}, {"kvall.jpg", "skolgard.jpg", "sol.jpg"}};
    return window == "MDIForm1" ? &h.editor().mdiForm1() : h.editor().windows().showDialog(window);
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

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    // The image dialog opens in a folder of pictures; an empty list would have nothing to mark
    // as current, and so show no focus.
    void initTestCase() {
        picturesFolder = m_home.path();
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
        ProgramHarness h(QByteArray(" 11\r\nDejaVu Sans Mono\r\n\r\n"));
        QWidget* shown = show(h, window);
        QVERIFY(shown);
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
    }

    void leavingChangesNothing_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button"); // empty: the close box
        QTest::addColumn<QStringList>("unlabelled");
        for (const char* window :
             {"frmBody", "frmFont", "frmLista", "frmLank", "frmTabell", "frmBild", "frmRamar",
              "frmRam1", "frmRam2", "frmRam3", "frmInst"}) {
            const char* avbryt = qstrcmp(window, "frmRamar") == 0 ? "cmdavbryt" : "cmdAvbryt";
            // The drive box stands below the folder tree, named only for screen readers.
            const QStringList unlabelled = QString(qstrcmp(window, "frmBild") == 0 ? "Drive1" : "")
                                               .split(u' ', Qt::SkipEmptyParts);
            QTest::addRow("%s, Avbryt", window) << QString(window) << QString(avbryt) << unlabelled;
            QTest::addRow("%s, close box", window) << QString(window) << QString() << unlabelled;
        }
    }
    void leavingChangesNothing() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        ProgramHarness h;
        const QString text = QStringLiteral("före GAMMAL\r\nefter");
        h.setTextAndSelect(text, 5, 6);
        h.state().strAndrad.clear();
        h.platform.setClipboardText(QStringLiteral("förut"));
        if (window == "frmInst") // from the menu, which leaves the document window enabled
            h.editor().mdiForm1().mnuInställningar_Click();
        QWidget* shown =
            window == "frmInst" ? ProgramHarness::activate(h.find(window)) : h.showDialog(window);
        QVERIFY(shown);
        QTEST(ProgramHarness::unlabelledFields(shown), "unlabelled");
        h.verifyKeysPressNothing(shown); // typing "3" into every box first
        ProgramHarness::press(button, shown);
        QVERIFY(!h.find(window));
        QCOMPARE(h.editor().text(), text);
        QCOMPARE(h.editor().selectedText(), QStringLiteral("GAMMAL"));
        QCOMPARE(h.state().strAndrad, QString());
        QCOMPARE(h.platform.clipboard, QStringLiteral("förut"));
        QCOMPARE(h.platform.messages.size() + h.platform.fileDialogs.size(), 0);
        // The settings never took the document window; the window system gives its focus back.
        if (window == "frmInst")
            QVERIFY(h.txtHtml().isEnabled());
        else
            h.verifyDocumentBack();
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
