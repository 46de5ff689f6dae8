#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using testing::ProgramHarness;
using Bytes = std::optional<QByteArray>;

Q_DECLARE_METATYPE(Bytes)

namespace {

// The three ways of leaving the text that ask about unsaved changes first.
enum class Command { CloseWindow, Avsluta, Stäng };
// What the save dialog does after a Yes.
enum class Save { NotAsked, Chooses, Cancels, Fails };

const QString kAskBeforeEnding =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du avslutar?");
const QString kAskBeforeGoingOn =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du går vidare?");

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void settingsAtStart_data() {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<bool>("failureShown");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("intTextStorlek");
        QTest::addColumn<QString>("strTsnitt");
        QTest::addColumn<QString>("strWebblasare");
        const auto row = [](const char* name, Bytes file, bool failure, const char* family,
                            double points, int size, const char* font, const char* browser) {
            QTest::newRow(name) << file << failure << QString(family) << points << size
                                << QString(font) << QString(browser);
        };
        row("no settings file", {}, true, "Arial", 11, 0, "", "");
        row("size, font and browser", " 14\r\nCourier New\r\n/usr/bin/firefox\r\n", false,
            "Courier New", 14, 14, "Courier New", "/usr/bin/firefox");
        row("size 0 and no font keep the design font", "0\r\n\r\n\r\n", false, "MS Sans Serif",
            8.25, 0, "", "");
        row("size that is not a number", "stor\r\nArial\r\n\r\n", true, "Arial", 11, 0, "", "");
        row("size 70000 does not fit", "70000\r\nCourier New\r\n\r\n", true, "Arial", 11, 0, "",
            "");
        row("size the editor refuses keeps what was read", "900\r\nCourier New\r\n/b\r\n", true,
            "Arial", 11, 900, "Courier New", "");
        row("browser line missing keeps size and font", "13\r\nCourier New\r\n", true, "Arial", 11,
            13, "Courier New", "");
        row("empty file", "", true, "Arial", 11, 0, "", "");
        row("huge file is no settings file",
            QByteArray("12\r\nArial\r\n\r\n") + QByteArray(200 * 1024, ' '), true, "Arial", 11, 0,
            "", "");
        row("binary file", QByteArray("\0\xff\x01\x02", 4).repeated(1000), true, "Arial", 11, 0, "",
            "");
    }
    void settingsAtStart() {
        QFETCH(Bytes, file);
        QFETCH(bool, failureShown);
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
        QTEST(h.txtHtml().font().family(), "family");
        QTEST(h.txtHtml().font().pointSizeF(), "points");
        QTEST(int(h.state().intTextStorlek), "intTextStorlek");
        QTEST(h.state().strTsnitt, "strTsnitt");
        QTEST(h.state().strWebblasare, "strWebblasare");
        QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
        QCOMPARE(h.state().strAndrad, QString());
        QCOMPARE(h.editor().statusText(), QString());
    }

    void frameHoldsMenuToolbarsAndDocument() {
        ProgramHarness h;
        shell::MainWindow& frame = h.editor().mdiForm1();
        QCOMPARE(frame.windowTitle(), QString("Vimlaskolans HTML-editor"));
        for (const char* name : {"frmHtml", "txtHtml", "Toolbar1", "Toolbar2", "StatusBar1"})
            QVERIFY2(frame.findChild<QWidget*>(name), name);
        // The caption is what the pupil sees as the document window's title.
        QCOMPARE(h.editor().frmHtml().parentWidget()->windowTitle(), QString("Namnlös"));
        QCOMPARE(h.txtHtml().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(h.txtHtml().lineWrapMode(), QPlainTextEdit::WidgetWidth);

        auto* arkiv = frame.findChild<QMenu*>("mnuArkiv");
        QCOMPARE(arkiv->title(), QString("&Arkiv"));
        QStringList names, captions;
        for (QAction* action : arkiv->actions()) {
            names << action->objectName();
            captions << action->text();
            QVERIFY(action->isEnabled() && action->shortcut().isEmpty());
        }
        QCOMPARE(names, QStringList({"mnuStäng", "mnuSparasom", "mnuInställningar", "mnuAvsluta"}));
        QCOMPARE(captions, QStringList({"&Stäng", "S&para som...", "&Inställningar", "&Avsluta"}));
        QCOMPARE(frame.menuBar()->actions().size(), 1);

        // Both windows centred: the frame on the screen, the document in the frame.
        const QPoint screenCentre(h.platform.screen.width() / 2, h.platform.screen.height() / 2);
        QVERIFY(qAbs(frame.frameGeometry().center().x() - screenCentre.x()) <= 20);
        QVERIFY(qAbs(frame.frameGeometry().center().y() - screenCentre.y()) <= 40);
        QWidget* documentFrame = h.editor().frmHtml().parentWidget();
        const QSize area = documentFrame->parentWidget()->size();
        QVERIFY(qAbs(documentFrame->geometry().center().x() - area.width() / 2) <= 2);
        QVERIFY(documentFrame->width() >= area.width() * 3 / 4);

        // The text box always covers the document window's client area.
        documentFrame->resize(500, 300);
        QApplication::processEvents();
        QCOMPARE(h.txtHtml().geometry(), h.editor().frmHtml().rect());
    }

    // Every command that would drop changed text asks first; a failed or cancelled save stops it.
    void unsavedChangesQuestion_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<Save>("save");
        QTest::addColumn<bool>("proceeds");
        const std::pair<Command, const char*> commands[] = {
            {Command::CloseWindow, "closing the window"},
            {Command::Avsluta, "Avsluta"},
            {Command::Stäng, "Stäng"}};
        for (const auto& [command, name] : commands) {
            const auto row = [&](const char* what, bool changed, Answer answer, Save save,
                                 bool proceeds) {
                QTest::addRow("%s, %s", name, what)
                    << command << changed << answer << save << proceeds;
            };
            row("unchanged: no question", false, Answer::Cancel, Save::NotAsked, true);
            row("No drops the text", true, Answer::No, Save::NotAsked, true);
            row("Cancel keeps everything", true, Answer::Cancel, Save::NotAsked, false);
            row("Yes and saved", true, Answer::Yes, Save::Chooses, true);
            row("Yes, save dialog cancelled", true, Answer::Yes, Save::Cancels, false);
            row("Yes, save failing", true, Answer::Yes, Save::Fails, false);
        }
    }
    void unsavedChangesQuestion() {
        QFETCH(Command, command);
        QFETCH(bool, changed);
        QFETCH(Answer, answer);
        QFETCH(Save, save);
        QFETCH(bool, proceeds);
        ProgramHarness h;
        QTemporaryDir dir;
        ProgramHarness::type(&h.txtHtml(), "text");
        if (!changed)
            h.editor().markUnchanged();
        h.platform.answers << answer;
        if (save == Save::Chooses || save == Save::Fails)
            h.platform.fileChoices << testing::ScriptedPlatform::choose(dir.filePath("sida.html"));
        if (save == Save::Cancels)
            h.platform.fileChoices << platform::FileChoice::cancel();
        h.platform.failingWrites = save == Save::Fails ? 1 : 0;

        switch (command) {
        case Command::CloseWindow:
            QCOMPARE(h.editor().frmHtml().parentWidget()->close(), proceeds);
            // Closing unchanged text ends the program; otherwise only the window goes.
            QCOMPARE(h.platform.endProgramCalls, proceeds && !changed ? 1 : 0);
            break;
        case Command::Avsluta:
            h.editor().mdiForm1().mnuAvsluta_Click();
            QCOMPARE(h.platform.endProgramCalls, proceeds ? 1 : 0);
            break;
        case Command::Stäng:
            h.editor().mdiForm1().mnuStäng_Click();
            QCOMPARE(h.platform.endProgramCalls, 0);
            if (proceeds) {
                QCOMPARE(h.editor().text(), QString());
                QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
                QCOMPARE(h.state().strAndrad, QString());
                QCOMPARE(h.editor().statusText(), QString());
            }
            break;
        }
        const QStringList asked = h.platform.messageTexts().mid(0, 1);
        const QString question = command == Command::Stäng ? kAskBeforeGoingOn : kAskBeforeEnding;
        QCOMPARE(asked, changed ? QStringList{question} : QStringList());
        if (changed) {
            QCOMPARE(h.platform.messages.first().icon, platform::Icon::None);
            QCOMPARE(h.platform.messages.first().defaultButton, Answer::Yes);
        }
        if (!proceeds) {
            QCOMPARE(h.editor().text(), QString("text"));
            QCOMPARE(h.state().strAndrad, QString("ja"));
            QCOMPARE(h.editor().statusText(), QString("Ändrad"));
        }
        QCOMPARE(h.state().strAvbrutet, QString());
        QCOMPARE(h.platform.unscriptedCalls, 0);
    }

    void closedDocumentWindowIsLoadedAfresh() {
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "gammalt");
        h.platform.answers << Answer::No;
        QVERIFY(h.editor().frmHtml().parentWidget()->close());
        QVERIFY(!h.editor().hasDocumentWindow());
        QCOMPARE(h.state().strAndrad, QString()); // the changed text went with its window
        // Quitting now asks nothing: no text is left unsaved.
        h.editor().mdiForm1().mnuAvsluta_Click();
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.endProgramCalls, 1);
        // The next command loads a fresh, empty "Namnlös" window and reads the settings again.
        h.editor().mdiForm1().mnuStäng_Click();
        QVERIFY(h.editor().hasDocumentWindow());
        QCOMPARE(h.editor().text(), QString());
        QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
        QCOMPARE(h.txtHtml().font().pointSize(), 12);
    }

    void frameCloseAsksThroughTheDocument() {
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "x");
        h.platform.answers << Answer::Cancel << Answer::No;
        QVERIFY(!h.editor().mdiForm1().close());
        QVERIFY(h.editor().mdiForm1().isVisible());
        QCOMPARE(h.platform.messageTexts(), QStringList{kAskBeforeEnding});
        QVERIFY(h.editor().mdiForm1().close());
        QCOMPARE(h.platform.endProgramCalls, 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
