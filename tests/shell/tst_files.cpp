#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using platform::FileChoice;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void open_data();
    void open();
    void openSameFileAsCaption();
    void openDialogRemembersTheLastName();
    void everyByteComesBackPlusCrLf();
    void lineBreaksOfAnyKindComeBackAsCrLf();
    void charactersOutsideTheCodePageBecomeReferences();
    void saveOfNamedDocumentWritesWithoutAsking();
    void saveAs_data();
    void saveAs();
    void failedWriteKeepsEverything_data();
    void failedWriteKeepsEverything();
    void staleCancelDoesNotSpoilALaterSave();
    void typedTextIsOneUndoStepApartFromInsertions();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestFiles::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestFiles::open_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QList<FileChoice>>("choices"); // the open dialog first
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("strAvbrutetAfter");
    const FileChoice cancel = FileChoice::cancel();
    const FileChoice sida = ScriptedPlatform::choose("<dir>/sida.html");
    QTest::newRow("unchanged document opens at once")
        << false << QList<Answer>{} << QList<FileChoice>{sida} << true << ""
        << "ja";
    QTest::newRow("cancel in the dialog changes nothing and keeps strAvbrutet")
        << false << QList<Answer>{} << QList<FileChoice>{cancel} << false << ""
        << "ja";
    QTest::newRow("changed, No drops the changes")
        << true << QList<Answer>{Answer::No} << QList<FileChoice>{sida} << true
        << "Texten i editorn är ändrad! Vill du spara innan du går vidare?"
        << "ja";
    QTest::newRow("changed, Cancel opens nothing")
        << true << QList<Answer>{Answer::Cancel} << QList<FileChoice>{sida} << false
        << "Texten i editorn är ändrad! Vill du spara innan du går vidare?"
        << "";
    QTest::newRow("changed Namnlös, Yes, save dialog cancelled: nothing opened")
        << true << QList<Answer>{Answer::Yes} << QList<FileChoice>{sida, cancel} << false
        << "Texten i editorn är ändrad! Vill du spara innan du går vidare?"
        << "";
    QTest::newRow("changed Namnlös, Yes and saved: then opened")
        << true << QList<Answer>{Answer::Yes}
        << QList<FileChoice>{sida, ScriptedPlatform::choose("<dir>/sparad.html")} << true
        << "Texten i editorn är ändrad! Vill du spara innan du går vidare?"
        << "";
    QTest::newRow("changed Namnlös, Yes and the save failing: nothing opened")
        << true << QList<Answer>{Answer::Yes}
        << QList<FileChoice>{sida, ScriptedPlatform::choose("<dir>/saknas/x.html")} << false
        << "Texten i editorn är ändrad! Vill du spara innan du går vidare?"
        << "";
    QTest::newRow("missing file") << false << QList<Answer>{}
                                  << QList<FileChoice>{ScriptedPlatform::choose("<dir>/borta.html")}
                                  << false << "Hittar inte filen"
                                  << "ja";
}

void TestFiles::open() {
    QFETCH(bool, changed);
    QFETCH(QList<Answer>, answers);
    QFETCH(QList<FileChoice>, choices);
    QFETCH(bool, opened);
    QFETCH(QString, message);
    QFETCH(QString, strAvbrutetAfter);
    ProgramHarness h;
    writeFile(path("sida.html"), "<P>sida\r\n");
    ProgramHarness::type(&h.txtHtml(), "eget");
    if (!changed)
        h.editor().markUnchanged();
    h.state().strAvbrutet = "ja";
    h.platform.answers.append(answers);
    for (FileChoice choice : choices) {
        choice.fullPath.replace("<dir>", m_dir->path());
        h.platform.fileChoices << choice;
    }
    h.editor().files().Oppna();
    QCOMPARE(h.platform.messageTexts().value(0), message);
    if (message == QLatin1String("Hittar inte filen"))
        QCOMPARE(h.platform.messages.first().icon, platform::Icon::Exclamation);
    QCOMPARE(h.editor().text(), opened ? QString("<P>sida\r\n") : QString("eget"));
    if (opened) {
        QCOMPARE(h.editor().currentFileName(), path("sida.html"));
        QCOMPARE(h.state().strAndrad, QString());
        QCOMPARE(h.editor().statusText(), QString());
    } else {
        QCOMPARE(h.state().strAndrad, changed ? QString("ja") : QString());
    }
    QCOMPARE(h.state().strAvbrutet, strAvbrutetAfter);
    QCOMPARE(h.platform.unscriptedCalls, 0);
    QCOMPARE(h.platform.fileDialogs.first().filter,
             QString("html-filer|*.html;*.htm|Alla filer|*.*"));
}

void TestFiles::openSameFileAsCaption() {
    ProgramHarness h;
    writeFile(path("sida.html"), "fil");
    h.platform.fileChoices << ScriptedPlatform::choose(path("sida.html"))
                           << ScriptedPlatform::choose(path("sida.html"));
    h.editor().files().Oppna();
    ProgramHarness::type(&h.txtHtml(), "ny");
    h.editor().files().Oppna();
    QCOMPARE(h.platform.messageTexts(), QStringList{"sida.html är redan öppen!"});
    QCOMPARE(h.platform.messages.first().icon, platform::Icon::None);
    QCOMPARE(h.state().strAndrad, QString("ja"));
    QVERIFY(h.editor().text().contains("ny"));
}

void TestFiles::openDialogRemembersTheLastName() {
    ProgramHarness h;
    h.platform.fileChoices << ScriptedPlatform::choose(path("a.html")) << FileChoice::cancel()
                           << FileChoice::cancel();
    h.editor().files().SparaSom();
    h.editor().files().Oppna();
    QCOMPARE(h.platform.fileDialogs[0].initialFileName, QString()); // save dialog starts empty
    QCOMPARE(h.platform.fileDialogs[0].defaultSuffix, QString("html"));
    QCOMPARE(h.platform.fileDialogs[0].filter, QString("HTML dokument|*.html;*.htm"));
    QCOMPARE(h.platform.fileDialogs[1].initialFileName, path("a.html"));
}

void TestFiles::everyByteComesBackPlusCrLf() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes += char(b);
        if (b == 100)
            bytes += "\r\n";
    }
    bytes = bytes + "\r\n" + bytes; // a line break in between, and every byte twice
    writeFile(path("alla.html"), bytes);
    ProgramHarness h;
    h.platform.fileChoices << ScriptedPlatform::choose(path("alla.html"));
    h.editor().files().Oppna();
    QCOMPARE(h.editor().currentFileName(), path("alla.html"));
    QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
    QCOMPARE(readAll(path("alla.html")), bytes + "\r\n");
}

void TestFiles::lineBreaksOfAnyKindComeBackAsCrLf() {
    writeFile(path("unix.html"), "a\nb\rc\r\n");
    ProgramHarness h;
    h.platform.fileChoices << ScriptedPlatform::choose(path("unix.html"));
    h.editor().files().Oppna();
    QCOMPARE(h.txtHtml().blockCount(), 4);
    h.editor().files().Spara();
    QCOMPARE(readAll(path("unix.html")), QByteArray("a\r\nb\r\nc\r\n\r\n"));
}

void TestFiles::charactersOutsideTheCodePageBecomeReferences() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), QString::fromUtf8("åΩ"));
    h.editor().writeSelectedText(QString::fromUtf8("😀"));
    h.platform.fileChoices << ScriptedPlatform::choose(path("tecken.html"));
    h.editor().files().Spara();
    QCOMPARE(readAll(path("tecken.html")), QByteArray("\xe5&#937;&#128512;\r\n"));
}

void TestFiles::saveOfNamedDocumentWritesWithoutAsking() {
    ProgramHarness h;
    h.platform.fileChoices << ScriptedPlatform::choose(path("sida.html"));
    ProgramHarness::type(&h.txtHtml(), "ett");
    QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
    QCOMPARE(h.editor().currentFileName(), path("sida.html"));
    ProgramHarness::type(&h.txtHtml(), "\ntvå");
    QCOMPARE(h.state().strAndrad, QString("ja"));
    QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
    QCOMPARE(h.platform.fileDialogs.size(), 1);
    QCOMPARE(h.platform.messages.size(), 0);
    QCOMPARE(readAll(path("sida.html")), QByteArray("ett\r\ntv\xe5\r\n"));
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.editor().statusText(), QString());
}

void TestFiles::saveAs_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("strAvbrutet");
    QTest::newRow("new file, no question") << ""
                                           << "ny.html" << QList<Answer>{} << true << 1 << "";
    QTest::newRow("existing file, Yes replaces it")
        << "sida.html"
        << "sida.html" << QList<Answer>{Answer::Yes} << true << 1 << "";
    QTest::newRow("existing file, No shows the dialog again")
        << "sida.html"
        << "sida.html" << QList<Answer>{Answer::No, Answer::Yes} << true << 2 << "";
    QTest::newRow("existing file, Cancel writes nothing")
        << "sida.html"
        << "sida.html" << QList<Answer>{Answer::Cancel} << false << 1 << "ja";
    QTest::newRow("hidden existing file is asked about too")
        << ".dold.html"
        << ".dold.html" << QList<Answer>{Answer::Cancel} << false << 1 << "ja";
    QTest::newRow("other letter case is another file")
        << "Sida.html"
        << "sida.html" << QList<Answer>{} << true << 1 << "";
}

void TestFiles::saveAs() {
    QFETCH(QString, existing);
    QFETCH(QString, chosen);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, written);
    QFETCH(int, dialogs);
    QFETCH(QString, strAvbrutet);
    if (!existing.isEmpty())
        writeFile(path(existing), "gammal");
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "ny text");
    for (int i = 0; i < dialogs; ++i)
        h.platform.fileChoices << ScriptedPlatform::choose(path(chosen));
    h.platform.answers.append(answers);
    h.state().strAvbrutet = "ja"; // left over from an earlier cancel: must not matter
    h.editor().mdiForm1().mnuSparasom_Click();
    QCOMPARE(h.platform.fileDialogs.size(), dialogs);
    for (const platform::FileDialogRequest& request : h.platform.fileDialogs)
        QCOMPARE(request.initialFileName, QString());
    if (!answers.isEmpty())
        QCOMPARE(h.platform.messages.first().text,
                 "Filen " + chosen + " finns redan. Ersätta befintlig fil?");
    QCOMPARE(readAll(path(chosen)),
             written ? QByteArray("ny text\r\n")
                     : (existing == chosen ? QByteArray("gammal") : QByteArray("<missing>")));
    QCOMPARE(h.editor().currentFileName(), written ? path(chosen) : QString("Namnlös"));
    QCOMPARE(h.state().strAndrad, written ? QString() : QString("ja"));
    QCOMPARE(h.state().strAvbrutet, strAvbrutet);
    QCOMPARE(h.platform.unscriptedCalls, 0);
}

void TestFiles::failedWriteKeepsEverything_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("injected");
    QTest::newRow("disk full (injected)") << "sida.html" << true;
    QTest::newRow("parent is a file") << "fil.txt/sida.html" << false;
    QTest::newRow("folder missing") << "saknas/sida.html" << false;
}

void TestFiles::failedWriteKeepsEverything() {
    QFETCH(QString, target);
    QFETCH(bool, injected);
    writeFile(path("fil.txt"), "x");
    writeFile(path("sida.html"), "gammal");
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "ny");
    h.platform.fileChoices << ScriptedPlatform::choose(path(target));
    h.platform.answers << Answer::Yes; // replaces the existing sida.html
    h.platform.failingWrites = injected ? 1 : 0;
    QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Failed);
    QCOMPARE(h.platform.messageTexts().last(),
             QString("Ett fel har uppstått. Filen sparades inte"));
    QCOMPARE(h.platform.messages.last().icon, platform::Icon::Exclamation);
    QCOMPARE(readAll(path("sida.html")), QByteArray("gammal"));
    QCOMPARE(h.editor().text(), QString("ny"));
    QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
    QCOMPARE(h.state().strAndrad, QString("ja"));
    QCOMPARE(h.editor().statusText(), QString("Ändrad"));
    QCOMPARE(h.state().strAvbrutet, QString());
    QStringList left = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QCOMPARE(left, QStringList({"fil.txt", "sida.html"}));
}

void TestFiles::staleCancelDoesNotSpoilALaterSave() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "text");
    h.platform.fileChoices << FileChoice::cancel();
    h.editor().mdiForm1().mnuSparasom_Click();
    QCOMPARE(h.state().strAvbrutet, QString("ja"));
    // Now ending with Yes and a real save must end the program.
    h.platform.answers << Answer::Yes;
    h.platform.fileChoices << ScriptedPlatform::choose(path("sida.html"));
    h.editor().mdiForm1().mnuAvsluta_Click();
    QCOMPARE(readAll(path("sida.html")), QByteArray("text\r\n"));
    QCOMPARE(h.platform.endProgramCalls, 1);
}

void TestFiles::typedTextIsOneUndoStepApartFromInsertions() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "hej ");
    h.editor().writeSelectedText("<BR>\r\n<P>");
    QCOMPARE(h.editor().text(), QString("hej <BR>\r\n<P>"));
    QCOMPARE(h.txtHtml().textCursor().position(), 4 + 4 + 1 + 3);
    h.txtHtml().undo();
    QCOMPARE(h.editor().text(), QString("hej "));
    h.txtHtml().redo();
    QCOMPARE(h.editor().text(), QString("hej <BR>\r\n<P>"));
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
