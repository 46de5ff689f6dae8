// The toolbar buttons and their keys; the clipboard once more under a real X server (xcb).
// Mutants that change nothing: dropping the checks in cut and paste that skip writing an empty
// text over no selection (writing nothing at the caret leaves text and caret as they were).
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>

using namespace vimla;
using namespace vimla::testing;

namespace {

// Clicked as the pupil does, found by the name a screen reader speaks: face, name and action drifted apart fail.
void press(ProgramHarness& h, const QString& accessibleName) {
    for (QToolBar* bar : h.editor().mdiForm1().findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (bar->widgetForAction(action)->accessibleName() == accessibleName)
                return QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
        }
    }
    QFAIL(qPrintable("no button named " + accessibleName));
}

// What the pupil does: a key, a button's accessible name, "undo", "disable" (the document, as a
// dialog does), "minimise" (the dialogs), "no browser" (it fails to start) or a dialog by name.
void run(ProgramHarness& h, const QString& step) {
    shell::MainWindow& frame = h.editor().mdiForm1();
    if (step.startsWith("Ctrl+"))
        QTest::keySequence(&frame, QKeySequence(step));
    else if (step == "undo")
        h.txtHtml().undo();
    else if (step == "disable")
        h.editor().EditorAv();
    else if (step == "no browser")
        h.platform.programsStart = false;
    else if (step == "minimise")
        h.editor().windows().open("frmLank")->showMinimized();
    else if (step.startsWith("frm"))
        h.editor().windows().showDialog(step);
    else
        press(h, step);
}

// The document as text with the selection in brackets, or the caret as "|": "Hej [du] glada".
QString marked(ProgramHarness& h) {
    const QTextCursor cursor = h.txtHtml().textCursor();
    QString text = h.editor().text().replace("\r\n", "\n");
    text.insert(cursor.position(), cursor.hasSelection() ? "]" : "|");
    return cursor.hasSelection() ? text.insert(cursor.anchor(), '[') : text;
}

// The browser is "/b" and the page is Namnlös.
struct Row {
    QString steps;     // joined by ", "
    QString before;    // marked
    QString clipboard; // null: it holds no text
    QString after;     // marked, then the clipboard and every other effect, joined by " | "
};

// Another program: alone it prints the clipboard (hex-coded UTF-8); given a text and milliseconds, owns it so long.
const char* const kOtherProgram = "--clipboard";

int otherProgram(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    if (argc == 2) {
        std::printf("%s", desktop.clipboardText().toUtf8().toHex().constData());
        return 0;
    }
    desktop.setClipboardText(QString::fromUtf8(QByteArray::fromHex(argv[2])));
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(QByteArray(argv[3]).toInt(), &app, &QApplication::quit);
    return QApplication::exec();
}

// The event loop keeps running meanwhile, so this program can hand over the text it owns.
QString clipboardSeenByAnotherProgram() {
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {kOtherProgram});
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000))
        return "<no answer>";
    return QString::fromUtf8(QByteArray::fromHex(reader.readAllStandardOutput()));
}

} // namespace

class TestToolbars : public QObject {
    Q_OBJECT
private slots:
    void effect_data() {
        QTest::addColumn<Row>("row");
        const auto row = [](const QString& name, const Row& row) { QTest::newRow(qPrintable(name)) << row; };
        const QString sel = "Hej [du] glada", at = "Hej |du glada", x = "x", kept = sel + " | x";
        for (const QString wrap :
             {"Fet=B", "Kursiv=I", "Understruken=U", "Rubrik 1=H1", "Rubrik 2=H2", "Rubrik 3=H3", "Rubrik 4=H4",
              "Rubrik 5=H5", "Rubrik 6=H6", "Centrera=CENTER", "HTML=HTML", "HEAD=HEAD", "TITLE=TITLE", "BODY=BODY"}) {
            const QString button = wrap.section('=', 0, 0), tag = wrap.section('=', 1);
            const QString open = "<" + tag + ">", close = "</" + tag + ">";
            row(open + " around the selection", {button, sel, x, "Hej " + open + "du" + close + "| glada | du"});
            row(open + " at the caret", {button, at, x, "Hej " + open + close + "|du glada | "});
        }
        for (const QString single : {"Radbrytning=<BR>", "Nytt stycke=<P>", "Vågrät linje=<HR>"}) {
            const QString button = single.section('=', 0, 0), tag = single.section('=', 1);
            row(tag + " replaces the selection", {button, sel, x, "Hej " + tag + "| glada | x"});
            row(tag + " at the caret", {button, at, x, "Hej " + tag + "|du glada | x"});
        }
        for (const QString dialog :
             {"Nytt dokument=frmBody", "Teckensnitt=frmFont", "Infoga lista=frmLista", "Infoga länk=frmLank",
              "Infoga bild=frmBild", "Infoga tabell=frmTabell", "Ramar=frmRamar"})
            row(dialog,
                {dialog.section('=', 0, 0), sel, x, kept + " | " + dialog.section('=', 1) + " | document disabled"});
        row("wrap over a no-break space and a line break",
            {"Fet", "rad [ett\u00a0\nrad] två", x, "rad <B>ett\u00a0\nrad</B>| två | ett\u00a0\r\nrad"});
        row("cut the selection", {"Klipp ut", sel, x, "Hej | glada | du"});
        row("copy the selection", {"Kopiera", sel, x, sel + " | du"});
        row("copy nothing empties the clipboard", {"Kopiera", at, x, at + " | "});
        row("paste over the selection", {"Klistra in", sel, x, "Hej x| glada | x"});
        row("paste a line break", {"Klistra in", at, "a\r\nb", "Hej a\nb|du glada | a\r\nb"});
        row("paste no text deletes the selection", {"Klistra in", sel, {}, "Hej | glada | "});
        for (const QString tag : {"B", "I", "U"})
            row("Ctrl+" + tag, {"Ctrl+" + tag, sel, x, "Hej <" + tag + ">du</" + tag + ">| glada | du"});
        row("Öppna and Ctrl+O open", {"Öppna, Ctrl+O", sel, x, kept + " | open dialog | open dialog"});
        row("Spara and Ctrl+S save as", {"Spara, Ctrl+S", sel, x, kept + " | save dialog | save dialog"});
        row("Ctrl+Y redoes what undo took back", {"Fet, undo, Ctrl+Y", sel, x, "Hej <B>du</B>| glada | du"});
        row("no key past a dialog", {"disable, Ctrl+B", sel, x, kept + " | document disabled"});
        const QString show = "Visa i webbläsaren, no browser, Visa i webbläsaren";
        row("Visa i webbläsaren, then one that does not start",
            {show, sel, x, kept + " | /b Namnlös | /b Namnlös | Hittar inte webbläsaren"});
        row("one window a name, restored, and the buttons work beside it",
            {"Infoga länk, minimise, Infoga länk, Fet", sel, x,
             "Hej <B>du</B>| glada | du | frmLank | document disabled"});
        row("a name with no window leaves the document as it was",
            {"Infoga länk, frmSaknas", sel, x, kept + " | frmLank | document disabled"});
    }

    // Text, caret, selection and clipboard afterwards, and what else happened; the focus stays
    // in the document unless a dialog holds it.
    void effect() {
        QFETCH(Row, row);
        ProgramHarness h;
        QVERIFY(ProgramHarness::activate(&h.editor().mdiForm1()));
        h.txtHtml().setFocus();
        const int start = row.before.indexOf(QRegularExpression("[[|]"));
        const int end = row.before.indexOf(']');
        h.setTextAndSelect(QString(row.before).remove(QRegularExpression("[][|]")), start,
                           end < 0 ? 0 : end - start - 1);
        h.editor().markUnchanged();
        h.platform.clipboard = row.clipboard;
        h.state().strWebblasare = "/b";
        for (const QString& step : row.steps.split(", "))
            run(h, step);

        QStringList after{marked(h), h.platform.clipboardText()};
        for (const platform::FileDialogRequest& request : h.platform.fileDialogs)
            after << (request.kind == platform::FileDialogKind::Open ? "open dialog" : "save dialog");
        for (const QStringList& started : h.platform.startedPrograms)
            after << started.join(' ');
        after << h.platform.messageTexts();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->objectName().startsWith("frm"))
                after << window->objectName() + (window->isMinimized() ? " minimised" : "");
        }
        if (!h.txtHtml().isEnabled())
            after << "document disabled";
        QCOMPARE(after.join(" | "), row.after);
        QVERIFY(h.txtHtml().hasFocus() || !h.txtHtml().isEnabled());
    }

    // Another program reads what the buttons put on the clipboard, and pastes what it owns, as
    // long as it runs.
    void clipboardIsSharedWithOtherPrograms() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server (xvfb-run, QT_QPA_PLATFORM=xcb)");
        ProgramHarness h;
        h.platform.realClipboard = true;
        QVERIFY(QTest::qWaitForWindowExposed(&h.editor().mdiForm1()));
        const auto pressOn = [&](const QString& button, const QString& text, int selected) {
            h.setTextAndSelect(text, 0, selected);
            press(h, button);
            return h.editor().text();
        };
        QCOMPARE(pressOn("Kopiera", "rad ett\nrad två", 15), "rad ett\r\nrad två");
        QCOMPARE(clipboardSeenByAnotherProgram(), "rad ett\r\nrad två");
        QProcess owner;
        owner.start(QCoreApplication::applicationFilePath(),
                    {kOtherProgram, QString("från annat program").toUtf8().toHex(), "2000"});
        QVERIFY(owner.waitForReadyRead(20000));
        QCOMPARE(pressOn("Klistra in", "du", 2), "från annat program");
        // Once the program that owned the clipboard has ended, X keeps nothing: paste deletes.
        QVERIFY(QTest::qWaitFor([&] { return owner.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(pressOn("Klistra in", "du", 2), "");
    }
};

int main(int argc, char* argv[]) {
    if ((argc == 2 || argc == 4) && QByteArray(argv[1]) == kOtherProgram)
        return otherProgram(argc, argv);
    QApplication app(argc, argv);
    TestToolbars test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolbars.moc"
