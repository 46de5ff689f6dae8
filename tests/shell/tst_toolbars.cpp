#include "shell/DocumentWindow.h"
#include "shell/FormWindow.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

using namespace vimla;
using testing::ProgramHarness;

namespace {

const QStringList kDialogNames = {"frmBody", "frmFont",   "frmLista", "frmLank",
                                  "frmBild", "frmTabell", "frmRamar"};

QToolBar& toolbar(ProgramHarness& h, int number) {
    return number == 1 ? h.editor().mdiForm1().toolbar1() : h.editor().mdiForm1().toolbar2();
}

QAction* button(ProgramHarness& h, int number, int index) {
    return toolbar(h, number).findChild<QAction*>(
        QStringLiteral("Toolbar%1Button%2").arg(number).arg(index));
}

// Presses a button the way the pupil does: through its action, so the wiring is tested too.
void press(ProgramHarness& h, int number, int index) {
    QAction* action = button(h, number, index);
    QVERIFY(action);
    action->trigger();
}

QWidget& documentFrame(ProgramHarness& h) {
    return *h.editor().frmHtml().parentWidget();
}

// A stand-in for a dialog that arrives with its own window: a field to hold some contents.
int registerProbe(ProgramHarness& h, const QString& name) {
    static int loads = 0;
    h.editor().registerWindow(name, [name](shell::Editor& editor) {
        ++loads;
        auto* window = new shell::FormWindow(editor, name, QStringLiteral("Prov"));
        (new QLineEdit(window))->setObjectName(QStringLiteral("txtProv"));
        return window;
    });
    return loads;
}

int visibleWindowsNamed(const QString& name) {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += top->objectName() == name && top->isVisible();
    return count;
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

QString readWhenWritten(const QString& path) {
    QFile file(path);
    if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("<nothing recorded>");
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestToolbars : public QObject {
    Q_OBJECT
private slots:
    void buttonsCarryOnlyTheirFace_data();
    void buttonsCarryOnlyTheirFace();
    void facesArePaintedAtDeviceResolution_data();
    void facesArePaintedAtDeviceResolution();
    void textButton_data();
    void textButton();
    void clickKeepsFocusAndSelection();
    void indexOutsideRangeDoesNothing_data();
    void indexOutsideRangeDoesNothing();
    void fileButtonsHandOver();
    void dialogButtonShowsOneWindow_data();
    void dialogButtonShowsOneWindow();
    void missingDialogLeavesDocumentAsItWas();
    void textButtonsWorkWhileDialogOpen();
    void buttonAfterDocumentWindowClosed();
    void previewStartsBrowser_data();
    void previewStartsBrowser();
    void previewFailure_data();
    void previewFailure();
};

void TestToolbars::buttonsCarryOnlyTheirFace_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("count");
    QTest::newRow("Toolbar1") << 1 << 18;
    QTest::newRow("Toolbar2") << 2 << 12;
}

void TestToolbars::buttonsCarryOnlyTheirFace() {
    QFETCH(int, number);
    QFETCH(int, count);
    ProgramHarness h;
    QToolBar& bar = toolbar(h, number);
    QCOMPARE(bar.actions().size(), count);
    QSet<QString> names;
    for (int index = 1; index <= count; ++index) {
        QAction* action = bar.actions().at(index - 1);
        QCOMPARE(action, button(h, number, index));
        QVERIFY(action->text().isEmpty());
        QVERIFY(action->toolTip().isEmpty());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
        auto* widget = qobject_cast<QToolButton*>(bar.widgetForAction(action));
        QVERIFY(widget);
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        QVERIFY(widget->toolTip().isEmpty());
        QVERIFY(!widget->accessibleName().isEmpty());
        names.insert(widget->accessibleName());
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &help);
        QVERIFY(!QToolTip::isVisible());
    }
    QCOMPARE(names.size(), count);
    QCOMPARE(toolbar(h, 1).widgetForAction(button(h, 1, 7))->accessibleName(), QString("Fet"));
    QCOMPARE(toolbar(h, 2).widgetForAction(button(h, 2, 8))->accessibleName(),
             QString("Infoga länk"));
    shell::MainWindow& frame = h.editor().mdiForm1();
    QCOMPARE(frame.toolBarArea(&bar), Qt::TopToolBarArea);
    QVERIFY(frame.toolBarBreak(&frame.toolbar2()));
    QVERIFY(frame.toolbar1().geometry().bottom() < frame.toolbar2().geometry().top());
}

void TestToolbars::facesArePaintedAtDeviceResolution_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Toolbar1") << 1 << QSize(16, 16);
    QTest::newRow("Toolbar2") << 2 << QSize(32, 16);
}

// A face at 200 % must be painted anew at that resolution, not a blown-up 100 % picture; and no
// two faces of a toolbar may look alike.
void TestToolbars::facesArePaintedAtDeviceResolution() {
    QFETCH(int, number);
    QFETCH(QSize, size);
    ProgramHarness h;
    QToolBar& bar = toolbar(h, number);
    QCOMPARE(bar.iconSize(), size);
    QList<QImage> seen;
    int sharperThanEnlarged = 0;
    for (QAction* action : bar.actions()) {
        const QPixmap single = action->icon().pixmap(size, 1.0);
        const QPixmap twice = action->icon().pixmap(size, 2.0);
        QCOMPARE(single.size(), size);
        QCOMPARE(twice.size(), size * 2);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QImage direct = action->icon().pixmap(size * 2, 1.0).toImage();
        direct.setDevicePixelRatio(2.0);
        QCOMPARE(twice.toImage(), direct);
        sharperThanEnlarged += twice.toImage() != single.scaled(size * 2).toImage();
        const QImage image = single.toImage();
        QVERIFY2(colourCount(image) > 1, qPrintable(action->objectName()));
        QVERIFY2(!seen.contains(image), qPrintable(action->objectName()));
        seen << image;
    }
    // Faces made only of whole-pixel rectangles look the same either way; letters and curves not.
    QVERIFY(sharperThanEnlarged >= bar.actions().size() - 2);
}

void TestToolbars::textButton_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("clipboardBefore"); // a null text: the clipboard holds no text
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<QString>("expectedSelection");
    QTest::addColumn<QString>("expectedClipboard");
    QTest::addColumn<bool>("changed");

    const QString text = "Hej du glada", before = "Hej ", word = "du", after = " glada";
    const QString old = "gammalt";
    const struct {
        int number, index;
        const char* opening;
        const char* closing;
    } wraps[] = {
        {1, 7, "<B>", "</B>"},         {1, 8, "<I>", "</I>"},
        {1, 9, "<U>", "</U>"},         {1, 10, "<H1>", "</H1>"},
        {1, 11, "<H2>", "</H2>"},      {1, 12, "<H3>", "</H3>"},
        {1, 13, "<H4>", "</H4>"},      {1, 14, "<H5>", "</H5>"},
        {1, 15, "<H6>", "</H6>"},      {1, 18, "<CENTER>", "</CENTER>"},
        {2, 1, "<HTML>", "</HTML>"},   {2, 2, "<HEAD>", "</HEAD>"},
        {2, 3, "<TITLE>", "</TITLE>"}, {2, 4, "<BODY>", "</BODY>"},
    };
    for (const auto& w : wraps) {
        const QString opening = w.opening, closing = w.closing;
        const int tags = int(opening.size() + closing.size());
        QTest::addRow("%d.%d %s around the selection", w.number, w.index, w.opening)
            << w.number << w.index << text << 4 << 2 << old
            << before + opening + word + closing + after << 4 + tags + 2 << "" << word << true;
        QTest::addRow("%d.%d %s at the caret", w.number, w.index, w.opening)
            << w.number << w.index << text << 4 << 0 << old
            << before + opening + closing + word + after << 4 + tags << ""
            << "" << true;
    }
    QTest::newRow("1.7 selection over a line break, Swedish letters")
        << 1 << 7 << "rad ett\r\nrad två" << 4 << 7 << old << "rad <B>ett\r\nrad</B> två"
        << 4 + 3 + 7 + 4 << ""
        << "ett\r\nrad" << true;

    const struct {
        int number, index;
        const char* tag;
    } singles[] = {{1, 16, "<BR>"}, {1, 17, "<P>"}, {2, 5, "<HR>"}};
    for (const auto& s : singles) {
        const QString tag = s.tag;
        QTest::addRow("%d.%d %s replaces the selection", s.number, s.index, s.tag)
            << s.number << s.index << text << 4 << 2 << old << before + tag + after
            << int(4 + tag.size()) << "" << old << true;
        QTest::addRow("%d.%d %s at the caret", s.number, s.index, s.tag)
            << s.number << s.index << text << 4 << 0 << old << before + tag + word + after
            << int(4 + tag.size()) << "" << old << true;
    }

    QTest::newRow("cut the selection")
        << 1 << 4 << text << 4 << 2 << old << before + after << 4 << "" << word << true;
    QTest::newRow("cut nothing empties the clipboard")
        << 1 << 4 << text << 4 << 0 << old << text << 4 << ""
        << "" << false;
    QTest::newRow("copy the selection")
        << 1 << 5 << text << 4 << 2 << old << text << 6 << word << word << false;
    QTest::newRow("copy nothing empties the clipboard")
        << 1 << 5 << text << 4 << 0 << old << text << 4 << ""
        << "" << false;
    QTest::newRow("paste over the selection")
        << 1 << 6 << text << 4 << 2 << "X" << before + "X" + after << 5 << ""
        << "X" << true;
    QTest::newRow("paste at the caret")
        << 1 << 6 << text << 4 << 0 << "X" << before + "X" + word + after << 5 << ""
        << "X" << true;
    QTest::newRow("paste a line break")
        << 1 << 6 << text << 4 << 0 << "a\r\nb" << before + "a\r\nb" + word + after << 7 << ""
        << "a\r\nb" << true;
    QTest::newRow("paste an empty clipboard deletes the selection")
        << 1 << 6 << text << 4 << 2 << QString() << before + after << 4 << ""
        << "" << true;
    QTest::newRow("paste an empty clipboard at the caret")
        << 1 << 6 << text << 4 << 0 << QString() << text << 4 << ""
        << "" << false;
}

// Each text button: text, caret, selection, clipboard and changed flag afterwards, and the whole
// change is one undo step.
void TestToolbars::textButton() {
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);
    QFETCH(QString, expectedSelection);
    QFETCH(QString, expectedClipboard);
    QFETCH(bool, changed);

    ProgramHarness h;
    h.setTextAndSelect(text, start, length);
    h.editor().markUnchanged();
    h.platform.clipboard = clipboardBefore;
    h.platform.clipboardHasText = !clipboardBefore.isNull();

    press(h, number, index);

    QCOMPARE(h.editor().text(), expectedText);
    QCOMPARE(h.caret(), expectedCaret);
    QCOMPARE(h.editor().selectedText(), expectedSelection);
    QCOMPARE(h.platform.clipboardText(), expectedClipboard);
    QCOMPARE(h.state().strAndrad, changed ? QString("ja") : QString());
    QCOMPARE(h.editor().statusText(), changed ? QString("Ändrad") : QString());
    QVERIFY(h.platform.messages.isEmpty());

    QTextDocument& document = *h.txtHtml().document();
    QCOMPARE(document.isUndoAvailable(), text != expectedText);
    document.undo();
    QCOMPARE(h.editor().text(), text);
    QVERIFY(!document.isUndoAvailable());
}

void TestToolbars::clickKeepsFocusAndSelection() {
    ProgramHarness h;
    shell::MainWindow& frame = h.editor().mdiForm1();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    h.setTextAndSelect("Hej du glada", 4, 2);
    h.txtHtml().setFocus();
    QTRY_VERIFY(h.txtHtml().hasFocus());

    QWidget* copyButton = toolbar(h, 1).widgetForAction(button(h, 1, 5));
    QTest::mouseClick(copyButton, Qt::LeftButton);
    QCOMPARE(h.platform.clipboardText(), QString("du"));
    QVERIFY(h.txtHtml().hasFocus());
    QCOMPARE(h.editor().selectedText(), QString("du"));

    QTest::mouseClick(toolbar(h, 2).widgetForAction(button(h, 2, 3)), Qt::LeftButton);
    QCOMPARE(h.editor().text(), QString("Hej <TITLE>du</TITLE> glada"));
    QVERIFY(h.txtHtml().hasFocus());
}

void TestToolbars::indexOutsideRangeDoesNothing_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::newRow("Toolbar1 index 0") << 1 << 0;
    QTest::newRow("Toolbar1 index 19") << 1 << 19;
    QTest::newRow("Toolbar1 index -1") << 1 << -1;
    QTest::newRow("Toolbar1 largest index") << 1 << std::numeric_limits<int>::max();
    QTest::newRow("Toolbar2 index 0") << 2 << 0;
    QTest::newRow("Toolbar2 index 13") << 2 << 13;
    QTest::newRow("Toolbar2 smallest index") << 2 << std::numeric_limits<int>::min();
}

void TestToolbars::indexOutsideRangeDoesNothing() {
    QFETCH(int, number);
    QFETCH(int, index);
    ProgramHarness h;
    for (const QString& name : kDialogNames)
        registerProbe(h, name);
    h.state().strWebblasare = "/bin/true";
    h.setTextAndSelect("Hej du glada", 4, 2);
    h.editor().markUnchanged();
    h.platform.setClipboardText("gammalt");

    shell::MainWindow& frame = h.editor().mdiForm1();
    if (number == 1)
        frame.Toolbar1_ButtonClick(index);
    else
        frame.Toolbar2_ButtonClick(index);

    QCOMPARE(h.editor().text(), QString("Hej du glada"));
    QCOMPARE(h.editor().selectedText(), QString("du"));
    QCOMPARE(h.platform.clipboardText(), QString("gammalt"));
    QCOMPARE(h.state().strAndrad, QString());
    QVERIFY(h.platform.messages.isEmpty());
    QVERIFY(h.platform.fileDialogs.isEmpty());
    QVERIFY(h.platform.startedPrograms.isEmpty());
    QVERIFY(documentFrame(h).isEnabled());
    for (const QString& name : kDialogNames)
        QVERIFY2(!h.editor().openWindow(name), qPrintable(name));
}

void TestToolbars::fileButtonsHandOver() {
    ProgramHarness h;
    h.setTextAndSelect("Hej", 0, 0);
    press(h, 1, 2);
    QCOMPARE(h.platform.fileDialogs.size(), 1);
    QCOMPARE(h.platform.fileDialogs.last().kind, platform::FileDialogKind::Open);

    const QString path = ProgramHarness::path(h.platform.applicationFolderPath, "sida.html");
    h.platform.fileChoices.enqueue(testing::ScriptedPlatform::choose(path));
    press(h, 1, 3);
    QCOMPARE(h.platform.fileDialogs.last().kind, platform::FileDialogKind::Save);
    QCOMPARE(h.editor().currentFileName(), path);
    QCOMPARE(h.state().strAndrad, QString());
    QVERIFY(QFile::exists(path));
    QCOMPARE(h.platform.unscriptedCalls, 1); // only the cancelled open dialog
}

void TestToolbars::dialogButtonShowsOneWindow_data() {
    QTest::addColumn<int>("number");
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

void TestToolbars::dialogButtonShowsOneWindow() {
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(QString, name);
    ProgramHarness h;
    const int loadsBefore = registerProbe(h, name);

    press(h, number, index);
    QWidget* window = h.editor().openWindow(name);
    QVERIFY(window);
    QVERIFY(!window->isModal());
    QVERIFY(!documentFrame(h).isEnabled());
    QCOMPARE(registerProbe(h, name), loadsBefore + 1);
    window->findChild<QLineEdit*>("txtProv")->setText("ifyllt");

    press(h, number, index);
    QCOMPARE(h.editor().openWindow(name), window);
    QCOMPARE(visibleWindowsNamed(name), 1);
    QCOMPARE(window->findChild<QLineEdit*>("txtProv")->text(), QString("ifyllt"));
    QCOMPARE(registerProbe(h, name), loadsBefore + 1);
    QVERIFY(!documentFrame(h).isEnabled());

    window->close(); // the close box acts as "Avbryt"
    QVERIFY(documentFrame(h).isEnabled());
    press(h, number, index);
    QWidget* again = h.editor().openWindow(name);
    QVERIFY(again);
    QCOMPARE(again->findChild<QLineEdit*>("txtProv")->text(), QString());
}

// A name with no window behind it must not leave the document disabled for good, nor enable it
// while another dialog is open.
void TestToolbars::missingDialogLeavesDocumentAsItWas() {
    ProgramHarness h;
    QVERIFY(!h.editor().showDialog("frmSaknas"));
    QVERIFY(documentFrame(h).isEnabled());

    registerProbe(h, "frmFont");
    press(h, 2, 6);
    QVERIFY(!h.editor().showDialog("frmSaknas"));
    QVERIFY(!documentFrame(h).isEnabled());
}

void TestToolbars::textButtonsWorkWhileDialogOpen() {
    ProgramHarness h;
    registerProbe(h, "frmLank");
    h.setTextAndSelect("Hej du", 4, 2);
    press(h, 2, 8);
    QVERIFY(!documentFrame(h).isEnabled());
    press(h, 1, 7);
    press(h, 2, 5);
    QCOMPARE(h.editor().text(), QString("Hej <B>du</B><HR>"));
    QVERIFY(!documentFrame(h).isEnabled());
    QVERIFY(h.editor().openWindow("frmLank"));
}

// After the pupil closed the document window a button works on a fresh, empty document.
void TestToolbars::buttonAfterDocumentWindowClosed() {
    ProgramHarness h;
    h.editor().setText("ändrad text");
    h.platform.answers.enqueue(platform::Answer::No);
    QVERIFY(documentFrame(h).close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!h.editor().hasDocumentWindow());

    press(h, 1, 7);
    QVERIFY(h.editor().hasDocumentWindow());
    QCOMPARE(h.editor().text(), QString("<B></B>"));
}

void TestToolbars::previewStartsBrowser_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("blanks in the path") << "Mina dokument/min första sida.html";
    QTest::newRow("shell characters") << "a;b $(touch x) `y` 'c' \"d\" & e.html";
    QTest::newRow("never saved") << "";
}

// The browser is a real program here: a script that records the arguments it received.
void TestToolbars::previewStartsBrowser() {
    QFETCH(QString, fileName);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("Mina program"));
    const QString browser = folder.filePath("Mina program/webb läsare");
    const QString record = folder.filePath("Mina program/argument.txt");
    QFile script(browser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                       "done; } > '%1.part' && mv '%1.part' '%1'\n")
            .arg(record)
            .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ProgramHarness h;
    h.platform.reallyStartPrograms = true;
    h.state().strWebblasare = browser;
    const QString caption = fileName.isEmpty() ? QString("Namnlös") : folder.filePath(fileName);
    h.editor().setCurrentFileName(caption);
    h.setTextAndSelect("osparad", 2, 3);
    h.editor().markUnchanged();

    press(h, 2, 12);

    QCOMPARE(readWhenWritten(record), "1\n" + caption + "\n");
    QCOMPARE(h.platform.startedPrograms, QList<QStringList>({{browser, caption}}));
    QVERIFY(h.platform.messages.isEmpty());
    QCOMPARE(h.editor().text(), QString("osparad"));
    QCOMPARE(h.editor().selectedText(), QString("par"));
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList()); // nothing saved
}

void TestToolbars::previewFailure_data() {
    QTest::addColumn<QString>("browser"); // relative to a temporary folder, unless empty
    QTest::newRow("no browser configured") << "";
    QTest::newRow("not executable") << "webbläsare.txt";
    QTest::newRow("no such file") << "saknas/webbläsare";
    QTest::newRow("a folder") << "mapp";
}

void TestToolbars::previewFailure() {
    QFETCH(QString, browser);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("mapp"));
    QFile plain(folder.filePath("webbläsare.txt"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("#!/bin/sh\n");
    plain.close();

    ProgramHarness h;
    h.platform.reallyStartPrograms = true;
    h.state().strWebblasare = browser.isEmpty() ? QString() : folder.filePath(browser);
    h.setTextAndSelect("text", 0, 4);
    h.editor().markUnchanged();

    press(h, 2, 12);

    QCOMPARE(h.platform.messageTexts(), QStringList("Hittar inte webbläsaren"));
    const platform::Message& message = h.platform.messages.first();
    QCOMPARE(message.title, QString("Vimlaskolans HTML-editor"));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QCOMPARE(message.buttons, platform::Buttons::Ok);
    QCOMPARE(h.editor().text(), QString("text"));
    QCOMPARE(h.editor().selectedText(), QString("text"));
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
}

QTEST_MAIN(TestToolbars)
#include "tst_toolbars.moc"
