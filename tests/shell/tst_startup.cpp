#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace vimla;
using platform::Answer;
using testing::ProgramHarness;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void settingsAtStart_data();
    void settingsAtStart();
    void windowsCarryTheirNames();
    void menuHoldsFourCommands();
    void windowsAreCentred();
    void closeRequest_data();
    void closeRequest();
    void mnuAvsluta_data();
    void mnuAvsluta();
    void closeDocumentMenu_data();
    void closeDocumentMenu();
    void closedDocumentWindowIsLoadedAfresh();
    void frameCloseAsksThroughTheDocument();
    void textBoxCoversTheClientArea();
};

void TestStartup::settingsAtStart_data() {
    QTest::addColumn<std::optional<QByteArray>>("file");
    QTest::addColumn<bool>("failureShown");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("intTextStorlek");
    QTest::addColumn<QString>("strTsnitt");
    QTest::addColumn<QString>("strWebblasare");
    using Bytes = std::optional<QByteArray>;
    QTest::newRow("no settings file") << Bytes() << true << "Arial" << 11.0 << 0 << ""
                                      << "";
    QTest::newRow("size, font and browser") << Bytes(" 14\r\nCourier New\r\n/usr/bin/firefox\r\n")
                                            << false << "Courier New" << 14.0 << 14 << "Courier New"
                                            << "/usr/bin/firefox";
    QTest::newRow("size 0 and no font keep the design font")
        << Bytes("0\r\n\r\n\r\n") << false << "MS Sans Serif" << 8.25 << 0 << ""
        << "";
    QTest::newRow("size that is not a number")
        << Bytes("stor\r\nArial\r\n\r\n") << true << "Arial" << 11.0 << 0 << ""
        << "";
    QTest::newRow("size 70000 does not fit")
        << Bytes("70000\r\nCourier New\r\n\r\n") << true << "Arial" << 11.0 << 0 << ""
        << "";
    QTest::newRow("size the editor refuses keeps what was read")
        << Bytes("900\r\nCourier New\r\n/b\r\n") << true << "Arial" << 11.0 << 900 << "Courier New"
        << "";
    QTest::newRow("browser line missing keeps size and font")
        << Bytes("13\r\nCourier New\r\n") << true << "Arial" << 11.0 << 13 << "Courier New"
        << "";
    QTest::newRow("empty file") << Bytes("") << true << "Arial" << 11.0 << 0 << ""
                                << "";
    QTest::newRow("huge file is no settings file")
        << Bytes(QByteArray("12\r\nArial\r\n\r\n") + QByteArray(200 * 1024, ' ')) << true << "Arial"
        << 11.0 << 0 << ""
        << "";
    QTest::newRow("binary file") << Bytes(QByteArray("\0\xff\x01\x02", 4).repeated(1000)) << true
                                 << "Arial" << 11.0 << 0 << ""
                                 << "";
}

void TestStartup::settingsAtStart() {
    QFETCH(std::optional<QByteArray>, file);
    QFETCH(bool, failureShown);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, intTextStorlek);
    QFETCH(QString, strTsnitt);
    QFETCH(QString, strWebblasare);
    ProgramHarness h(file);
    if (failureShown) {
        QCOMPARE(h.platform.messages.size(), 1);
        const platform::Message& message = h.platform.messages.first();
        QCOMPARE(message.text, QString("Kunde inte hämta inställningar"));
        QCOMPARE(message.title, QString());
        QCOMPARE(message.icon, platform::Icon::Exclamation);
        QCOMPARE(message.buttons, platform::Buttons::Ok);
    } else {
        QCOMPARE(h.platform.messages.size(), 0);
    }
    QCOMPARE(h.txtHtml().font().family(), family);
    QCOMPARE(h.txtHtml().font().pointSizeF(), points);
    QCOMPARE(int(h.state().intTextStorlek), intTextStorlek);
    QCOMPARE(h.state().strTsnitt, strTsnitt);
    QCOMPARE(h.state().strWebblasare, strWebblasare);
    QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.editor().statusText(), QString());
}

void TestStartup::windowsCarryTheirNames() {
    ProgramHarness h;
    shell::MainWindow& frame = h.editor().mdiForm1();
    QCOMPARE(frame.objectName(), QString("MDIForm1"));
    QCOMPARE(frame.windowTitle(), QString("Vimlaskolans HTML-editor"));
    QVERIFY(frame.isVisible());
    for (const char* name : {"frmHtml", "txtHtml", "Toolbar1", "Toolbar2", "StatusBar1"})
        QVERIFY2(frame.findChild<QWidget*>(name), name);
    QCOMPARE(h.editor().frmHtml().windowTitle(), QString("Namnlös"));
    // The caption is what the pupil sees as the document window's title.
    QCOMPARE(h.editor().frmHtml().parentWidget()->windowTitle(), QString("Namnlös"));
    QVERIFY(h.txtHtml().hasFocus() || !QApplication::focusWidget());
    QCOMPARE(h.txtHtml().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(h.txtHtml().lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestStartup::menuHoldsFourCommands() {
    ProgramHarness h;
    auto* arkiv = h.editor().mdiForm1().findChild<QMenu*>("mnuArkiv");
    QVERIFY(arkiv);
    QCOMPARE(arkiv->title(), QString("&Arkiv"));
    QStringList names, captions;
    for (QAction* action : arkiv->actions()) {
        names << action->objectName();
        captions << action->text();
        QVERIFY(action->isEnabled());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->isSeparator());
    }
    QCOMPARE(names, QStringList({"mnuStäng", "mnuSparasom", "mnuInställningar", "mnuAvsluta"}));
    QCOMPARE(captions, QStringList({"&Stäng", "S&para som...", "&Inställningar", "&Avsluta"}));
    QCOMPARE(h.editor().mdiForm1().menuBar()->actions().size(), 1);
}

void TestStartup::windowsAreCentred() {
    ProgramHarness h;
    const QRect frame = h.editor().mdiForm1().frameGeometry();
    const QPoint screenCentre(h.platform.screen.width() / 2, h.platform.screen.height() / 2);
    QVERIFY(qAbs(frame.center().x() - screenCentre.x()) <= 20);
    QVERIFY(qAbs(frame.center().y() - screenCentre.y()) <= 40);
    QVERIFY(frame.width() >= h.platform.screen.width() / 2);
    QWidget* documentFrame = h.editor().frmHtml().parentWidget();
    const QSize area = documentFrame->parentWidget()->size();
    QVERIFY(qAbs(documentFrame->geometry().center().x() - area.width() / 2) <= 2);
    QVERIFY(documentFrame->width() >= area.width() * 3 / 4);
}

// Closing the document window: columns are what the pupil does, then what must hold.
void TestStartup::closeRequest_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveDialogChooses");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("programEnded");
    QTest::newRow("unchanged ends the program without asking")
        << false << QList<Answer>{} << false << true << 1;
    QTest::newRow("changed, Cancel keeps the window")
        << true << QList<Answer>{Answer::Cancel} << false << false << 0;
    QTest::newRow("changed, No closes only the window")
        << true << QList<Answer>{Answer::No} << false << true << 0;
    QTest::newRow("changed, Yes and the save dialog cancelled")
        << true << QList<Answer>{Answer::Yes} << false << false << 0;
    QTest::newRow("changed, Yes and saved")
        << true << QList<Answer>{Answer::Yes} << true << true << 0;
}

void TestStartup::closeRequest() {
    QFETCH(bool, changed);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveDialogChooses);
    QFETCH(bool, closed);
    QFETCH(int, programEnded);
    ProgramHarness h;
    QTemporaryDir dir;
    if (changed)
        ProgramHarness::type(&h.txtHtml(), "<B>");
    h.platform.answers.append(answers);
    h.platform.fileChoices << (saveDialogChooses
                                   ? testing::ScriptedPlatform::choose(dir.filePath("sida.html"))
                                   : platform::FileChoice::cancel());
    QCOMPARE(h.editor().frmHtml().parentWidget()->close(), closed);
    QCOMPARE(h.platform.endProgramCalls, programEnded);
    QCOMPARE(h.platform.messages.size(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(h.platform.messages.first().text,
                 QString("Texten i editorn är ändrad! Vill du spara innan du avslutar?"));
        QCOMPARE(h.platform.messages.first().icon, platform::Icon::None);
    }
    QCOMPARE(h.state().strAvbrutet, QString());
    QCOMPARE(h.editor().hasDocumentWindow(), !closed || programEnded);
    if (!closed) {
        QCOMPARE(h.state().strAndrad, QString("ja"));
        QCOMPARE(h.editor().statusText(), QString("Ändrad"));
        QCOMPARE(h.editor().text(), QString("<B>"));
    }
}

void TestStartup::mnuAvsluta_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("saveOutcome"); // 0 no dialog, 1 chooses a file, 2 cancels, 3 write fails
    QTest::addColumn<bool>("ended");
    QTest::newRow("unchanged ends at once") << false << Answer::Cancel << 0 << true;
    QTest::newRow("No ends without saving") << true << Answer::No << 0 << true;
    QTest::newRow("Cancel keeps running") << true << Answer::Cancel << 0 << false;
    QTest::newRow("Yes and saved ends") << true << Answer::Yes << 1 << true;
    QTest::newRow("Yes and the save cancelled keeps running") << true << Answer::Yes << 2 << false;
    QTest::newRow("Yes and the save failing keeps running") << true << Answer::Yes << 3 << false;
}

void TestStartup::mnuAvsluta() {
    QFETCH(bool, changed);
    QFETCH(Answer, answer);
    QFETCH(int, saveOutcome);
    QFETCH(bool, ended);
    ProgramHarness h;
    QTemporaryDir dir;
    if (changed) {
        ProgramHarness::type(&h.txtHtml(), "text");
        h.platform.answers << answer;
    }
    if (saveOutcome == 1 || saveOutcome == 3)
        h.platform.fileChoices << testing::ScriptedPlatform::choose(dir.filePath("sida.html"));
    if (saveOutcome == 2)
        h.platform.fileChoices << platform::FileChoice::cancel();
    if (saveOutcome == 3)
        h.platform.failingWrites = 1;
    h.editor().mnuAvsluta_Click();
    QCOMPARE(h.platform.endProgramCalls, ended ? 1 : 0);
    QCOMPARE(h.state().strAvbrutet, QString());
    if (!ended)
        QCOMPARE(h.editor().text(), QString("text"));
    QCOMPARE(h.platform.unscriptedCalls, 0);
}

void TestStartup::closeDocumentMenu_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("unchanged empties without asking") << false << Answer::Cancel << true;
    QTest::newRow("No drops the changes") << true << Answer::No << true;
    QTest::newRow("Cancel keeps everything") << true << Answer::Cancel << false;
    QTest::newRow("Yes with the save dialog cancelled keeps everything")
        << true << Answer::Yes << false;
}

void TestStartup::closeDocumentMenu() {
    QFETCH(bool, changed);
    QFETCH(Answer, answer);
    QFETCH(bool, emptied);
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "abc");
    if (!changed)
        h.editor().markUnchanged();
    h.platform.answers << answer;
    h.platform.fileChoices << platform::FileChoice::cancel();
    h.editor().mnuStäng_Click();
    QCOMPARE(h.platform.messages.size(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(h.platform.messages.first().text,
                 QString("Texten i editorn är ändrad! Vill du spara innan du går vidare?"));
        QCOMPARE(h.platform.messages.first().defaultButton, Answer::Yes);
    }
    QCOMPARE(h.editor().text(), emptied ? QString() : QString("abc"));
    QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
    QCOMPARE(h.state().strAndrad, emptied || !changed ? QString() : QString("ja"));
    QCOMPARE(h.editor().statusText(), emptied || !changed ? QString() : QString("Ändrad"));
    QCOMPARE(h.state().strAvbrutet, QString());
    QCOMPARE(h.platform.endProgramCalls, 0);
}

void TestStartup::closedDocumentWindowIsLoadedAfresh() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "gammalt");
    h.platform.answers << Answer::No;
    QVERIFY(h.editor().frmHtml().parentWidget()->close());
    QVERIFY(!h.editor().hasDocumentWindow());
    QCOMPARE(h.platform.endProgramCalls, 0);
    QCOMPARE(h.state().strAndrad, QString()); // the changed text went with its window
    // Quitting now asks nothing: no text is left unsaved.
    h.editor().mnuAvsluta_Click();
    QCOMPARE(h.platform.messages.size(), 1);
    QCOMPARE(h.platform.endProgramCalls, 1);
    h.platform.endProgramCalls = 0;
    // The next command loads a fresh, empty "Namnlös" window and reads the settings again.
    h.editor().mnuStäng_Click();
    QVERIFY(h.editor().hasDocumentWindow());
    QCOMPARE(h.editor().text(), QString());
    QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
    QCOMPARE(h.txtHtml().font().pointSize(), 12);
}

void TestStartup::frameCloseAsksThroughTheDocument() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "x");
    h.platform.answers << Answer::Cancel;
    QVERIFY(!h.editor().mdiForm1().close());
    QVERIFY(h.editor().mdiForm1().isVisible());
    QCOMPARE(h.platform.messages.last().text,
             QString("Texten i editorn är ändrad! Vill du spara innan du avslutar?"));
    h.platform.answers << Answer::No;
    QVERIFY(h.editor().mdiForm1().close());
    QCOMPARE(h.platform.endProgramCalls, 1);
}

void TestStartup::textBoxCoversTheClientArea() {
    ProgramHarness h;
    QWidget& document = h.editor().frmHtml();
    document.parentWidget()->resize(500, 300);
    QApplication::processEvents();
    QCOMPARE(h.txtHtml().geometry(), document.rect());
    QCOMPARE(h.txtHtml().pos(), QPoint(0, 0));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
