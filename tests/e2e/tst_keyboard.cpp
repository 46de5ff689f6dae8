// The program without a mouse: in every window Tab visits the controls in their order and comes
// round again, Shift+Tab goes back, the focused control shows that it has the focus, and the menu
// opens with Alt+A and runs each command by its access key.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using vimla::testing::ProgramHarness;

namespace {

// The control that has the focus, named as the window names it: an editable box's line field
// stands for its box.
QString focusedControl() {
    QWidget* widget = QApplication::focusWidget();
    while (widget && widget->objectName().isEmpty() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

QImage looks(QWidget* widget) {
    return widget->grab().toImage();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tabVisitsEveryControlInOrder_data();
    void tabVisitsEveryControlInOrder();
    void menuCommandsRunByAccessKeys_data();
    void menuCommandsRunByAccessKeys();

private:
    QTemporaryDir m_pictureFolder;
};

// The image dialog lists the pictures of the current folder. An empty list has nothing to mark
// as current, and so shows no focus; a pupil's folder has pictures.
void TestKeyboard::initTestCase() {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    QVERIFY(picture.save(m_pictureFolder.filePath(QStringLiteral("sol.jpg"))));
    QVERIFY(QDir::setCurrent(m_pictureFolder.path()));
}

void TestKeyboard::tabVisitsEveryControlInOrder_data() {
    QTest::addColumn<QString>("window");
    // From the control that has the focus when the window opens, once round.
    QTest::addColumn<QStringList>("chain");

    // Tab in the editor writes a tab character: it is the only stop of the main window, whose
    // menu opens with Alt+A.
    QTest::newRow("main window") << "MDIForm1" << QStringList{"txtHtml"};
    QTest::newRow("frmBody") << "frmBody" << QStringList{"txtTitel",    "cboBakfarg", "txtBakbild",
                                                         "cboTextfarg", "cboLink",    "cboVlink",
                                                         "cmdOk",       "cmdTom",     "cmdAvbryt"};
    QTest::newRow("frmFont") << "frmFont"
                             << QStringList{"cboFarg", "cboStorlek", "cboTsnitt", "cmdOk",
                                            "cmdAvbryt"};
    // Tab passes over the option that is not chosen; the arrow keys move between the two.
    QTest::newRow("frmLista") << "frmLista"
                              << QStringList{"optOnum", "txtAntal", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmLank") << "frmLank"
                             << QStringList{"txtLankadr", "txtLanktext", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmTabell") << "frmTabell"
                               << QStringList{"txtKolumn", "txtRad", "txtRam",   "txtBredd",
                                              "cboJust",   "cmdOk",  "cmdAvbryt"};
    QTest::newRow("frmBild") << "frmBild"
                             << QStringList{"txtBild",   "txtBredd", "txtHojd", "txtRam",  "cmdOk",
                                            "cmdAvbryt", "Dir1",     "Drive1",  "lstfiler"};
    QTest::newRow("frmStor") << "frmStor" << QStringList{"cmdOk"};
    // No option is chosen yet, so Tab enters the group at its first option; choosing one with
    // the arrow keys opens its dialog.
    QTest::newRow("frmRamar") << "frmRamar" << QStringList{"cmdavbryt", "optRam1_1"};
    QTest::newRow("frmRam1") << "frmRam1"
                             << QStringList{"txtVanster", "txtHoger", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmRam2") << "frmRam2"
                             << QStringList{"txtOvre", "txtUndre", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmRam3") << "frmRam3" << QStringList{"cmdAvbryt",  "txtOvre",  "txtUndre",
                                                         "txtVanster", "txtHoger", "cmdOk"};
    QTest::newRow("frmInst") << "frmInst"
                             << QStringList{"cboTextStorlek", "cboTsnitt", "txtwebblasare",
                                            "cmdBladdra",     "cmdOk",     "cmdAvbryt"};
}

void TestKeyboard::tabVisitsEveryControlInOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, chain);
    ProgramHarness h;
    QWidget* shown = window == "MDIForm1" ? &h.editor().mdiForm1() : h.editor().showWindow(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTRY_COMPARE(focusedControl(), chain.first());

    QStringList forward{focusedControl()};
    for (qsizetype step = 0; step < chain.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusedControl();
    }
    QCOMPARE(forward, chain + QStringList{chain.first()}); // round once, back at the start

    QStringList backward{focusedControl()};
    for (qsizetype step = 0; step < chain.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusedControl());
    }
    QCOMPARE(backward, chain + QStringList{chain.first()});

    // Each stop looks different with the focus than without it.
    for (const QString& name : chain) {
        QWidget* control = shown->objectName() == name ? shown : shown->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
        const QImage focused = looks(control);
        control->clearFocus();
        QVERIFY2(looks(control) != focused, qPrintable(name + " shows no focus"));
    }
}

void TestKeyboard::menuCommandsRunByAccessKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("S: Stäng") << int(Qt::Key_S) << "mnuStäng";
    QTest::newRow("P: Spara som...") << int(Qt::Key_P) << "mnuSparasom";
    QTest::newRow("I: Inställningar") << int(Qt::Key_I) << "mnuInställningar";
    QTest::newRow("A: Avsluta") << int(Qt::Key_A) << "mnuAvsluta";
}

void TestKeyboard::menuCommandsRunByAccessKeys() {
    QFETCH(int, key);
    QFETCH(QString, item);
    ProgramHarness h;
    h.platform.fileChoices.enqueue({}); // "Spara som..." is cancelled
    vimla::shell::MainWindow& frame = h.editor().mdiForm1();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (action->objectName().startsWith(QStringLiteral("mnu")))
            spies[action->objectName()] = std::make_unique<QSignalSpy>(action, &QAction::triggered);
    }
    QCOMPARE(spies.size(), 4);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuArkiv"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(key));

    for (const auto& [name, spy] : spies)
        QCOMPARE(spy->count(), name == item ? 1 : 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
