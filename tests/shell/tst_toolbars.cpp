#include "shell/FormWindow.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <climits>

using namespace vimla;
using testing::ProgramHarness;

namespace {

const QString kRecorder = "Mina program/webb läsare";

QToolBar& toolbar(ProgramHarness& h, int bar) {
    return bar == 1 ? h.editor().mdiForm1().toolbar1() : h.editor().mdiForm1().toolbar2();
}

QAction* button(ProgramHarness& h, int bar, int index) {
    return toolbar(h, bar).findChild<QAction*>(QString("Toolbar%1Button%2").arg(bar).arg(index));
}

// With the mouse, as the pupil presses it, found by the name a screen reader speaks: a face, a
// name and an action that drifted apart would fail here.
void press(ProgramHarness& h, const QString& accessibleName) {
    for (const int bar : {1, 2}) {
        for (QAction* action : toolbar(h, bar).actions()) {
            QWidget* widget = toolbar(h, bar).widgetForAction(action);
            if (widget->accessibleName() == accessibleName)
                return QTest::mouseClick(widget, Qt::LeftButton);
        }
    }
    QFAIL(qPrintable("no button named " + accessibleName));
}

// The document as text with the selection in brackets, or the caret as "|": "Hej [du] glada".
QString unmarked(QString text) {
    return text.remove('[').remove(']').remove('|');
}

void setMarked(ProgramHarness& h, const QString& text) {
    const int start = text.indexOf(QRegularExpression("[[|]")), end = text.indexOf(']');
    h.setTextAndSelect(unmarked(text), start, end < 0 ? 0 : end - start - 1);
    h.editor().markUnchanged();
}

QString marked(ProgramHarness& h) {
    const QTextCursor cursor = h.txtHtml().textCursor();
    QString text = h.txtHtml().toPlainText();
    text.insert(cursor.position(), cursor.hasSelection() ? "]" : "|");
    return cursor.hasSelection() ? text.insert(cursor.anchor(), '[') : text;
}

QString contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestToolbars : public QObject {
    Q_OBJECT
private slots:
    // No caption, key or tooltip, but a name for screen readers; faces painted anew at 200 %
    // rather than blown up (only faces made of whole-pixel rectangles look the same either way).
    void buttonsShowOnlyTheirFace() {
        ProgramHarness h;
        for (const int bar : {1, 2}) {
            const QList<QAction*> actions = toolbar(h, bar).actions();
            const QSize size = toolbar(h, bar).iconSize();
            QCOMPARE(actions.size(), bar == 1 ? 18 : 12);
            int sharperThanEnlarged = 0;
            for (int index = 1; index <= actions.size(); ++index) {
                QAction* action = actions.at(index - 1);
                QWidget* widget = toolbar(h, bar).widgetForAction(action);
                QCOMPARE(action, button(h, bar, index));
                QVERIFY(action->text().isEmpty() && action->shortcut().isEmpty());
                QVERIFY(widget->toolTip().isEmpty() && !widget->accessibleName().isEmpty());
                const QImage twice = action->icon().pixmap(size, 2.0).toImage();
                sharperThanEnlarged +=
                    twice != action->icon().pixmap(size, 1.0).toImage().scaled(size * 2);
            }
            QVERIFY(sharperThanEnlarged >= actions.size() - 2);
        }
    }

    void buttonEffect_data() {
        QTest::addColumn<QString>("button"); // accessible name; empty: Toolbar<bar> at <index>
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");    // marked, see setMarked
        QTest::addColumn<QString>("clipboard"); // null: the clipboard holds no text
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboardAfter");
        const auto row = [](const QString& name, const QString& button, const QString& before,
                            const QString& clipboard, const QString& after,
                            const QString& clipboardAfter) {
            QTest::newRow(qPrintable(name))
                << button << 0 << 0 << before << clipboard << after << clipboardAfter;
        };
        const QString sel = "Hej [du] glada", at = "Hej |du glada", old = "gammalt";
        const struct {
            const char* button;
            const char* tag;
        } wraps[] = {{"Fet", "B"},           {"Kursiv", "I"},    {"Understruken", "U"},
                     {"Rubrik 1", "H1"},     {"Rubrik 2", "H2"}, {"Rubrik 3", "H3"},
                     {"Rubrik 4", "H4"},     {"Rubrik 5", "H5"}, {"Rubrik 6", "H6"},
                     {"Centrera", "CENTER"}, {"HTML", "HTML"},   {"HEAD", "HEAD"},
                     {"TITLE", "TITLE"},     {"BODY", "BODY"}},
          singles[] = {{"Radbrytning", "<BR>"}, {"Nytt stycke", "<P>"}, {"Vågrät linje", "<HR>"}};
        for (const auto& w : wraps) {
            const QString open = QString("<%1>").arg(w.tag), close = QString("</%1>").arg(w.tag);
            row(open + " around the selection", w.button, sel, old,
                "Hej " + open + "du" + close + "| glada", "du");
            row(open + " at the caret", w.button, at, old, "Hej " + open + close + "|du glada", "");
        }
        for (const auto& s : singles) {
            const QString tag = s.tag;
            row(tag + " replaces the selection", s.button, sel, old, "Hej " + tag + "| glada", old);
            row(tag + " at the caret", s.button, at, old, "Hej " + tag + "|du glada", old);
        }
        row("wrap over a line break, Swedish letters", "Fet", "rad [ett\nrad] två", old,
            "rad <B>ett\nrad</B>| två", "ett\r\nrad");
        row("cut the selection", "Klipp ut", sel, old, "Hej | glada", "du");
        row("cut nothing empties the clipboard", "Klipp ut", at, old, at, "");
        row("copy the selection", "Kopiera", sel, old, sel, "du");
        row("copy nothing empties the clipboard", "Kopiera", at, old, at, "");
        row("paste over the selection", "Klistra in", sel, "X", "Hej X| glada", "X");
        row("paste a line break", "Klistra in", at, "a\r\nb", "Hej a\nb|du glada", "a\r\nb");
        row("paste no text deletes the selection", "Klistra in", sel, QString(), "Hej | glada", "");
        row("paste no text at the caret", "Klistra in", at, QString(), at, "");
        for (const auto& [bar, index] : {std::pair{1, 0}, {1, 19}, {2, 13}, {2, INT_MIN}})
            QTest::newRow(
                qPrintable(QString("Toolbar%1 index %2 does nothing").arg(bar).arg(index)))
                << QString() << bar << index << sel << old << sel << old;
    }
    // Text, caret, selection, clipboard and changed flag afterwards; a change is one undo step.
    // The focus stays in the document; nothing else happens.
    void buttonEffect() {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        const bool changed = unmarked(after) != unmarked(before);
        ProgramHarness h;
        QVERIFY(ProgramHarness::activate(&h.editor().mdiForm1()));
        h.txtHtml().setFocus();
        setMarked(h, before);
        h.platform.clipboard = clipboard;
        h.platform.clipboardHasText = !clipboard.isNull();
        QFETCH(QString, button);
        QFETCH(int, bar);
        QFETCH(int, index);

        shell::MainWindow& frame = h.editor().mdiForm1();
        if (!button.isEmpty())
            press(h, button);
        else
            bar == 1 ? frame.Toolbar1_ButtonClick(index) : frame.Toolbar2_ButtonClick(index);

        QCOMPARE(marked(h), after);
        QTEST(h.platform.clipboardText(), "clipboardAfter");
        QCOMPARE(h.state().strAndrad, QString(changed ? "ja" : ""));
        QVERIFY(h.platform.messages.isEmpty() && h.platform.fileDialogs.isEmpty());
        QVERIFY(h.platform.startedPrograms.isEmpty() && h.txtHtml().isEnabled()); // no dialog
        QVERIFY(h.txtHtml().hasFocus());
        QTextDocument& document = *h.txtHtml().document();
        QCOMPARE(document.isUndoAvailable(), changed);
        document.undo();
        QVERIFY(!document.isUndoAvailable());
        QCOMPARE(h.txtHtml().toPlainText(), unmarked(before));
    }

    // Opening and saving themselves are the editor's; the buttons only hand over to them.
    void fileButtonsHandOver() {
        ProgramHarness h;
        press(h, "Öppna");
        press(h, "Spara");
        QCOMPARE(h.platform.fileDialogs.size(), 2);
        QCOMPARE(h.platform.fileDialogs[0].kind, platform::FileDialogKind::Open);
        QCOMPARE(h.platform.fileDialogs[1].kind, platform::FileDialogKind::Save);
    }

    void dialogButtonShowsOneWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        for (const char* pair :
             {"Nytt dokument=frmBody", "Teckensnitt=frmFont", "Infoga lista=frmLista",
              "Infoga länk=frmLank", "Infoga bild=frmBild", "Infoga tabell=frmTabell",
              "Ramar=frmRamar"})
            QTest::newRow(pair) << QString(pair).section('=', 0, 0)
                                << QString(pair).section('=', 1);
    }
    // A stand-in for the dialog, with a field to hold some contents.
    void dialogButtonShowsOneWindow() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        ProgramHarness h;
        int loads = 0;
        h.editor().windows().registerWindow(name, [&](shell::Editor& editor) {
            ++loads;
            auto* window = new shell::FormWindow(editor, name, "Prov");
            new QLineEdit(window);
            return window;
        });
        press(h, button);
        QWidget* window = h.editor().windows().open(name);
        QVERIFY(window && window->isVisible() && !window->isModal());
        QVERIFY(!h.txtHtml().isEnabled());
        window->findChild<QLineEdit*>()->setText("ifyllt");
        press(h, button);
        QCOMPARE(h.editor().windows().open(name), window);
        QCOMPARE(window->findChild<QLineEdit*>()->text(), QString("ifyllt"));
        QCOMPARE(loads, 1);

        // The text buttons still work; a name with no window leaves the document disabled.
        setMarked(h, "Hej [du]");
        press(h, "Fet");
        press(h, "Vågrät linje");
        QCOMPARE(marked(h), QString("Hej <B>du</B><HR>|"));
        QVERIFY(!h.editor().windows().showDialog("frmSaknas") && !h.txtHtml().isEnabled());
    }

    void preview_data() {
        QTest::addColumn<QString>("browser");  // in a temporary folder; "" when none is set
        QTest::addColumn<QString>("fileName"); // in that folder; "" when never saved
        QTest::newRow("blanks in the path") << kRecorder << "Mina dokument/min första sida.html";
        QTest::newRow("shell characters") << kRecorder << "a;b $(touch x) `y` 'c' \"d\" & e.html";
        QTest::newRow("never saved") << kRecorder << "";
        QTest::newRow("fails: no browser set") << ""
                                               << "sida.html";
        QTest::newRow("fails: not executable") << "webbläsare.txt"
                                               << "sida.html";
        QTest::newRow("fails: no such file") << "saknas/webbläsare"
                                             << "sida.html";
    }
    // The browser is a real program: a script that records the arguments it received.
    void preview() {
        QFETCH(QString, browser);
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("Mina program"));
        const QString record = folder.filePath("Mina program/argument.txt");
        const QString body = "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                             "done; } > '%1.part' && mv '%1.part' '%1'\n";
        QVERIFY(testing::writeBytes(folder.filePath(kRecorder), body.arg(record).toUtf8()));
        QVERIFY(testing::writeBytes(folder.filePath("webbläsare.txt"), "#!/bin/sh\n"));
        QFile::setPermissions(folder.filePath(kRecorder), QFile::ReadOwner | QFile::ExeOwner);
        ProgramHarness h;
        h.platform.reallyStartPrograms = true;
        h.state().strWebblasare = browser.isEmpty() ? QString() : folder.filePath(browser);
        const QString caption = fileName.isEmpty() ? QString("Namnlös") : folder.filePath(fileName);
        h.editor().setCurrentFileName(caption);
        setMarked(h, "os[par]ad");
        press(h, "Visa i webbläsaren");
        const bool starts = browser == kRecorder;
        QCOMPARE(h.platform.messageTexts().join(""), starts ? "" : "Hittar inte webbläsaren");
        if (starts)
            QTRY_COMPARE_WITH_TIMEOUT(contentsOf(record), "1\n" + caption + "\n", 10000);
        QCOMPARE(marked(h) + h.state().strAndrad + h.editor().currentFileName(),
                 "os[par]ad" + caption);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList("webbläsare.txt"));
    }
};

QTEST_MAIN(TestToolbars)
#include "tst_toolbars.moc"
