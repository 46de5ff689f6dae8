#include "shell/FormWindow.h"
#include "shell/MainWindow.h"
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

// Through the button's action, as the pupil presses it, so the wiring is tested too.
void press(ProgramHarness& h, int bar, int index) {
    QAction* action = button(h, bar, index);
    QVERIFY(action);
    action->trigger();
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

QString readWhenWritten(const QString& path) {
    QFile file(path);
    if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) || !file.open(QIODevice::ReadOnly))
        return "<nothing recorded>";
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestToolbars : public QObject {
    Q_OBJECT
private slots:
    void buttonsShowOnlyTheirFace_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("count");
        QTest::newRow("Toolbar1") << 1 << 18;
        QTest::newRow("Toolbar2") << 2 << 12;
    }
    // No caption, key or tooltip, but a name for screen readers; faces painted anew at 200 %
    // rather than blown up (only faces made of whole-pixel rectangles look the same either way).
    void buttonsShowOnlyTheirFace() {
        QFETCH(int, bar);
        QFETCH(int, count);
        ProgramHarness h;
        const QSize size = toolbar(h, bar).iconSize();
        QCOMPARE(toolbar(h, bar).actions().size(), count);
        int sharperThanEnlarged = 0;
        for (int index = 1; index <= count; ++index) {
            QAction* action = toolbar(h, bar).actions().at(index - 1);
            QWidget* widget = toolbar(h, bar).widgetForAction(action);
            QCOMPARE(action, button(h, bar, index));
            QVERIFY(action->text().isEmpty() && action->shortcut().isEmpty());
            QVERIFY(widget->toolTip().isEmpty() && !widget->accessibleName().isEmpty());
            const QImage twice = action->icon().pixmap(size, 2.0).toImage();
            QCOMPARE(twice.size(), size * 2);
            sharperThanEnlarged +=
                twice != action->icon().pixmap(size, 1.0).toImage().scaled(size * 2);
        }
        QVERIFY(sharperThanEnlarged >= count - 2);
    }

    void textButton_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");    // marked, see setMarked
        QTest::addColumn<QString>("clipboard"); // null: the clipboard holds no text
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::addColumn<bool>("changed");
        const auto row = [](const QString& name, int bar, int index, const QString& before,
                            const QString& clipboard, const QString& after,
                            const QString& clipboardAfter, bool changed) {
            QTest::newRow(qPrintable(name))
                << bar << index << before << clipboard << after << clipboardAfter << changed;
        };
        const QString sel = "Hej [du] glada", at = "Hej |du glada", old = "gammalt";
        const struct {
            int bar, index;
            const char* tag;
        } wraps[] = {{1, 7, "B"},     {1, 8, "I"},       {1, 9, "U"},    {1, 10, "H1"},
                     {1, 11, "H2"},   {1, 12, "H3"},     {1, 13, "H4"},  {1, 14, "H5"},
                     {1, 15, "H6"},   {1, 18, "CENTER"}, {2, 1, "HTML"}, {2, 2, "HEAD"},
                     {2, 3, "TITLE"}, {2, 4, "BODY"}},
          singles[] = {{1, 16, "<BR>"}, {1, 17, "<P>"}, {2, 5, "<HR>"}};
        for (const auto& w : wraps) {
            const QString open = QString("<%1>").arg(w.tag), close = QString("</%1>").arg(w.tag);
            row(open + " around the selection", w.bar, w.index, sel, old,
                "Hej " + open + "du" + close + "| glada", "du", true);
            row(open + " at the caret", w.bar, w.index, at, old,
                "Hej " + open + close + "|du glada", "", true);
        }
        for (const auto& s : singles) {
            const QString tag = s.tag;
            row(tag + " replaces the selection", s.bar, s.index, sel, old, "Hej " + tag + "| glada",
                old, true);
            row(tag + " at the caret", s.bar, s.index, at, old, "Hej " + tag + "|du glada", old,
                true);
        }
        row("wrap over a line break, Swedish letters", 1, 7, "rad [ett\nrad] två", old,
            "rad <B>ett\nrad</B>| två", "ett\r\nrad", true);
        row("cut the selection", 1, 4, sel, old, "Hej | glada", "du", true);
        row("cut nothing empties the clipboard", 1, 4, at, old, at, "", false);
        row("copy the selection", 1, 5, sel, old, sel, "du", false);
        row("copy nothing empties the clipboard", 1, 5, at, old, at, "", false);
        row("paste over the selection", 1, 6, sel, "X", "Hej X| glada", "X", true);
        row("paste a line break", 1, 6, at, "a\r\nb", "Hej a\nb|du glada", "a\r\nb", true);
        row("paste no text deletes the selection", 1, 6, sel, QString(), "Hej | glada", "", true);
        row("paste no text at the caret", 1, 6, at, QString(), at, "", false);
    }
    // Text, caret, selection, clipboard and changed flag afterwards; the change is one undo step.
    void textButton() {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QFETCH(bool, changed);
        ProgramHarness h;
        setMarked(h, before);
        h.platform.clipboard = clipboard;
        h.platform.clipboardHasText = !clipboard.isNull();
        QFETCH(int, bar);
        QFETCH(int, index);

        press(h, bar, index);

        QCOMPARE(marked(h), after);
        QTEST(h.platform.clipboardText(), "clipboardAfter");
        QCOMPARE(h.state().strAndrad, QString(changed ? "ja" : ""));
        QCOMPARE(h.editor().statusText(), QString(changed ? "Ändrad" : ""));
        QVERIFY(h.platform.messages.isEmpty());
        QTextDocument& document = *h.txtHtml().document();
        QCOMPARE(document.isUndoAvailable(), unmarked(after) != unmarked(before));
        document.undo();
        QVERIFY(!document.isUndoAvailable());
        QCOMPARE(h.txtHtml().toPlainText(), unmarked(before));
    }

    void clickKeepsFocusAndSelection() {
        ProgramHarness h;
        h.editor().mdiForm1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.editor().mdiForm1()));
        setMarked(h, "Hej [du] glada");
        h.txtHtml().setFocus();
        QTRY_VERIFY(h.txtHtml().hasFocus());
        QTest::mouseClick(toolbar(h, 1).widgetForAction(button(h, 1, 5)), Qt::LeftButton);
        QCOMPARE(h.platform.clipboardText(), QString("du"));
        QTest::mouseClick(toolbar(h, 2).widgetForAction(button(h, 2, 3)), Qt::LeftButton);
        QCOMPARE(marked(h), QString("Hej <TITLE>du</TITLE>| glada"));
        QVERIFY(h.txtHtml().hasFocus());
    }

    void indexOutsideRangeDoesNothing_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("index");
        QTest::newRow("Toolbar1 index 0") << 1 << 0;
        QTest::newRow("Toolbar1 index 19") << 1 << 19;
        QTest::newRow("Toolbar2 index 13") << 2 << 13;
        QTest::newRow("Toolbar2 smallest index") << 2 << std::numeric_limits<int>::min();
    }
    void indexOutsideRangeDoesNothing() {
        QFETCH(int, bar);
        QFETCH(int, index);
        ProgramHarness h;
        setMarked(h, "Hej [du] glada");
        h.platform.setClipboardText("gammalt");
        shell::MainWindow& frame = h.editor().mdiForm1();
        bar == 1 ? frame.Toolbar1_ButtonClick(index) : frame.Toolbar2_ButtonClick(index);
        QCOMPARE(marked(h), QString("Hej [du] glada"));
        QCOMPARE(h.platform.clipboardText(), QString("gammalt"));
        QCOMPARE(h.state().strAndrad, QString());
        QVERIFY(h.platform.messages.isEmpty() && h.platform.fileDialogs.isEmpty());
        QVERIFY(h.platform.startedPrograms.isEmpty() && h.txtHtml().isEnabled()); // no dialog
    }

    // Opening and saving themselves are the editor's; the buttons only hand over to them.
    void fileButtonsHandOver() {
        ProgramHarness h;
        press(h, 1, 2);
        press(h, 1, 3);
        QCOMPARE(h.platform.fileDialogs.size(), 2);
        QCOMPARE(h.platform.fileDialogs[0].kind, platform::FileDialogKind::Open);
        QCOMPARE(h.platform.fileDialogs[1].kind, platform::FileDialogKind::Save);
    }

    void dialogButtonShowsOneWindow_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("new document") << 1 << 1 << "frmBody";
        QTest::newRow("font") << 2 << 6 << "frmFont";
        QTest::newRow("list") << 2 << 7 << "frmLista";
        QTest::newRow("link") << 2 << 8 << "frmLank";
        QTest::newRow("image") << 2 << 9 << "frmBild";
        QTest::newRow("table") << 2 << 10 << "frmTabell";
        QTest::newRow("frames") << 2 << 11 << "frmRamar";
    }
    // A stand-in for the dialog, with a field to hold some contents.
    void dialogButtonShowsOneWindow() {
        QFETCH(int, bar);
        QFETCH(int, index);
        QFETCH(QString, name);
        ProgramHarness h;
        int loads = 0;
        h.editor().registerWindow(name, [&](shell::Editor& editor) {
            ++loads;
            auto* window = new shell::FormWindow(editor, name, "Prov");
            new QLineEdit(window);
            return window;
        });
        QVERIFY(!h.editor().showDialog("frmSaknas") && h.txtHtml().isEnabled());

        press(h, bar, index);
        QWidget* window = h.editor().openWindow(name);
        QVERIFY(window && window->isVisible() && !window->isModal());
        QVERIFY(!h.txtHtml().isEnabled());
        window->findChild<QLineEdit*>()->setText("ifyllt");
        press(h, bar, index);
        QCOMPARE(h.editor().openWindow(name), window);
        QCOMPARE(window->findChild<QLineEdit*>()->text(), QString("ifyllt"));
        QCOMPARE(loads, 1);

        // The text buttons still work; a name with no window does not enable the document.
        setMarked(h, "Hej [du]");
        press(h, 1, 7);
        press(h, 2, 5);
        QCOMPARE(marked(h), QString("Hej <B>du</B><HR>|"));
        QVERIFY(!h.editor().showDialog("frmSaknas") && !h.txtHtml().isEnabled());
    }

    void preview_data() {
        QTest::addColumn<QString>("browser");  // in a temporary folder; "" when none is set
        QTest::addColumn<QString>("fileName"); // in that folder; "" when never saved
        QTest::newRow("blanks in the path") << kRecorder << "Mina dokument/min första sida.html";
        QTest::newRow("shell characters") << kRecorder << "a;b $(touch x) `y` 'c' \"d\" & e.html";
        QTest::newRow("never saved") << kRecorder << "";
        const QString page = "sida.html";
        QTest::newRow("fails: no browser set") << "" << page;
        QTest::newRow("fails: not executable") << "webbläsare.txt" << page;
        QTest::newRow("fails: no such file") << "saknas/webbläsare" << page;
    }
    // The browser is a real program: a script that records the arguments it received.
    void preview() {
        QFETCH(QString, browser);
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("Mina program"));
        const QString record = folder.filePath("Mina program/argument.txt");
        QFile script(folder.filePath(kRecorder)), plain(folder.filePath("webbläsare.txt"));
        QVERIFY(script.open(QIODevice::WriteOnly) && plain.open(QIODevice::WriteOnly));
        const QString body = "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                             "done; } > '%1.part' && mv '%1.part' '%1'\n";
        script.write(body.arg(record).toUtf8());
        plain.write("#!/bin/sh\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        ProgramHarness h;
        h.platform.reallyStartPrograms = true;
        h.state().strWebblasare = browser.isEmpty() ? QString() : folder.filePath(browser);
        const QString caption = fileName.isEmpty() ? QString("Namnlös") : folder.filePath(fileName);
        h.editor().setCurrentFileName(caption);
        setMarked(h, "os[par]ad");

        press(h, 2, 12);

        const bool starts = browser == kRecorder;
        QCOMPARE(h.platform.messageTexts(),
                 starts ? QStringList() : QStringList("Hittar inte webbläsaren"));
        if (starts) {
            QCOMPARE(readWhenWritten(record), "1\n" + caption + "\n");
            QCOMPARE(h.platform.startedPrograms,
                     QList<QStringList>({{h.state().strWebblasare, caption}}));
        }
        QCOMPARE(marked(h), QString("os[par]ad"));
        QCOMPARE(h.state().strAndrad, QString());
        QCOMPARE(h.editor().currentFileName(), caption);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList("webbläsare.txt"));
    }
};

QTEST_MAIN(TestToolbars)
#include "tst_toolbars.moc"
