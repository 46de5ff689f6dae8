#include "support/ProgramHarness.h"
#include "templates/FramePreview.h"
#include "templates/LockableComboBox.h"

#include <QAbstractItemView>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using templates::FramePreview;
using templates::TwipLine;
using testing::ProgramHarness;

namespace {

const QString kOldText = "<P>gammal text";

QWidget* openDialog(ProgramHarness& h, const QString& name) {
    QWidget* window = h.editor().showDialog(name);
    [[maybe_unused]] const bool active = window && QTest::qWaitForWindowActive(window);
    return window;
}

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

void click(QWidget* window, const QString& name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

// Empties the field the way a pupil does: select everything, then Backspace.
void emptyByKeyboard(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

// A fresh focus entry into `field`, coming from `elsewhere`.
void enter(QWidget* field, QWidget* elsewhere) {
    elsewhere->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
}

// A column divider runs from top to bottom of the preview, a row divider across it.
TwipLine divider(bool column, float at) {
    return column ? TwipLine{at, 0, at, 1200} : TwipLine{0, at, 1600, at};
}

} // namespace

class TestTemplateDialogs : public QObject {
    Q_OBJECT
private slots:
    void bodyOkWritesThePage() {
        ProgramHarness h;
        h.editor().setText(kOldText);
        h.editor().markUnchanged();
        QWidget* body = openDialog(h, "frmBody");
        QCOMPARE(body->focusWidget(), child(body, "txtTitel"));
        ProgramHarness::type(child(body, "txtTitel"), "Min sida");
        ProgramHarness::type(child(body, "cboBakfarg"), "white");
        child<QComboBox>(body, "cboTextfarg")->setCurrentIndex(4); // chosen from the list: black
        ProgramHarness::type(child(body, "cboLink"), "blue");
        ProgramHarness::type(child(body, "cboVlink"), "red");
        click(body, "cmdOk");

        QCOMPARE(h.editor().text(), "<HTML>\r\n<HEAD>\r\n<TITLE>Min sida</TITLE>\r\n</HEAD>\r\n"
                                    "<BODY BGCOLOR=\"white\" TEXT=\"black\" LINK=\"blue\" "
                                    "VLINK=\"red\">\r\n\r\n</BODY>\r\n</HTML>");
        QCOMPARE(h.caret(), h.txtHtml().document()->characterCount() - 1);
        QCOMPARE(h.editor().currentFileName(), QString("Namnlös"));
        QCOMPARE(h.editor().statusText(), QString("Ändrad"));
        QVERIFY(!h.editor().openWindow("frmBody") && h.txtHtml().isEnabled());
    }

    void bodyLocks_data() {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("enterImage");
        QTest::addColumn<bool>("locked"); // the entered field; the other one stays open
        const auto row = [](const char* name, const char* colour, const char* image,
                            bool enterImage, bool locked) {
            QTest::newRow(name) << QString(colour) << QString(image) << enterImage << locked;
        };
        row("image, no colour: open", "", "", true, false);
        row("colour, no image: open", "red", "", false, false);
        row("image while a colour stands: locked", "red", "", true, true);
        row("colour while an image stands: locked", "", "a.gif", false, true);
        row("both filled, only the entered image locks", "red", "a.gif", true, true);
        row("both filled, only the entered colour locks", "red", "a.gif", false, true);
        row("a blank counts as text", " ", "", true, true);
    }
    void bodyLocks() {
        QFETCH(QString, colour);
        QFETCH(QString, image);
        QFETCH(bool, enterImage);
        QFETCH(bool, locked);
        ProgramHarness h;
        QWidget* body = openDialog(h, "frmBody");
        auto* cboBakfarg = child<templates::LockableComboBox>(body, "cboBakfarg");
        auto* txtBakbild = child<QLineEdit>(body, "txtBakbild");
        cboBakfarg->setEditText(colour);
        txtBakbild->setText(image);
        QWidget* field = enterImage ? static_cast<QWidget*>(txtBakbild) : cboBakfarg;

        enter(field, child(body, "txtTitel"));
        QCOMPARE(txtBakbild->isReadOnly(), enterImage && locked);
        QCOMPARE(cboBakfarg->isLocked(), !enterImage && locked);
        QTest::keyClick(field, Qt::Key_End); // entering by Tab selected the text
        ProgramHarness::type(field, "x");
        QCOMPARE(enterImage ? txtBakbild->text() : cboBakfarg->currentText(),
                 (enterImage ? image : colour) + (locked ? "" : "x"));
    }

    // Neither keys, the wheel nor the list change a locked colour, until it is entered afresh.
    void lockedColourCannotBeChosen() {
        ProgramHarness h;
        QWidget* body = openDialog(h, "frmBody");
        auto* cboBakfarg = child<templates::LockableComboBox>(body, "cboBakfarg");
        auto* txtBakbild = child<QLineEdit>(body, "txtBakbild");
        ProgramHarness::type(txtBakbild, "moln.gif");
        QTest::mouseClick(cboBakfarg->lineEdit(), Qt::LeftButton);
        QTest::keyClick(cboBakfarg, Qt::Key_Down);
        QTest::keyClick(cboBakfarg, Qt::Key_Down, Qt::AltModifier);
        QWheelEvent wheel(QPointF(5, 5), cboBakfarg->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cboBakfarg, &wheel);
        cboBakfarg->showPopup();
        QVERIFY(!cboBakfarg->view()->isVisible());
        QCOMPARE(cboBakfarg->currentText(), QString());
        txtBakbild->clear();
        enter(cboBakfarg, txtBakbild);
        QTest::keyClick(cboBakfarg, Qt::Key_Down);
        QCOMPARE(cboBakfarg->currentText(), QString("red"));
    }

    void replacingAsksFirst_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("named"); // unnamed: the save dialog opens and is cancelled
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<bool>("replaced");
        // The frame set dialogs share one window class; frmRam2 stands for all three.
        for (const auto& [window, button] :
             {std::pair{"frmBody", "cmdOk"}, std::pair{"frmBody", "cmdTom"},
              std::pair{"frmRam2", "cmdOk"}}) {
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("%s %s: %s", window, button, name) << window << button;
            };
            row("unchanged, no question") << false << true << Answer::Cancel << 0 << true;
            row("No drops the text") << true << true << Answer::No << 0 << true;
            row("Cancel keeps everything") << true << true << Answer::Cancel << 0 << false;
            row("Yes saves first") << true << true << Answer::Yes << 0 << true;
            row("Yes, save dialog cancelled") << true << false << Answer::Yes << 0 << false;
            row("Yes, save failing") << true << true << Answer::Yes << 1 << false;
        }
    }
    void replacingAsksFirst() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(bool, changed);
        QFETCH(bool, named);
        QFETCH(Answer, answer);
        QFETCH(int, failingWrites);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath("sida.html");
        ProgramHarness h;
        h.editor().setText(kOldText);
        if (!changed)
            h.editor().markUnchanged();
        if (named)
            h.editor().setCurrentFileName(path);
        const QString nameBefore = h.editor().currentFileName();
        QWidget* dialog = openDialog(h, window);
        h.platform.answers << answer;
        h.platform.fileChoices << platform::FileChoice::cancel();
        h.platform.failingWrites = failingWrites;

        click(dialog, button);

        QCOMPARE(h.platform.messages.size(), int(changed) + failingWrites);
        if (changed) {
            const platform::Message& question = h.platform.messages.first();
            QCOMPARE(question.text,
                     QString("Texten i editorn är ändrad! Vill du spara innan du går vidare?"));
            QCOMPARE(question.title, QString("HTML-editor"));
            QVERIFY(question.buttons == platform::Buttons::YesNoCancel &&
                    question.icon == platform::Icon::None);
        }
        QCOMPARE(QFile::exists(path), named && answer == Answer::Yes && failingWrites == 0);
        // After Yes the name becomes "Namnlös" even when the save then stops the flow.
        QCOMPARE(h.editor().currentFileName(),
                 changed && answer == Answer::Cancel ? nameBefore : QString("Namnlös"));
        QCOMPARE(h.state().strAvbrutet, QString());
        QCOMPARE(h.editor().openWindow(window) == nullptr, replaced);
        QCOMPARE(h.txtHtml().isEnabled(), replaced);
        const bool emptied = replaced && button == "cmdTom";
        QCOMPARE(h.state().strAndrad, QString(emptied ? "" : "ja"));
        if (!replaced)
            QCOMPARE(h.editor().text(), kOldText);
        else
            QCOMPARE(h.editor().text().left(6), QString(emptied ? "" : "<HTML>"));
    }

    void coupling_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed"); // into the emptied field, key by key or
        QTest::addColumn<bool>("pasted");   // inserted as one change
        QTest::addColumn<QStringList>("partnerAfterEachChange");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<float>("at"); // both moved coordinates of the divider
        const auto row = [](const char* name, const char* window, const char* field,
                            const char* typed, const QStringList& partner, const char* after,
                            float at, bool pasted = false) {
            QTest::newRow(name) << QString(window) << QString(field) << QString(typed) << pasted
                                << partner << QString(after) << at;
        };
        const char *ram1 = "frmRam1", *ram2 = "frmRam2", *ram3 = "frmRam3";
        const char *left = "txtVanster", *upper = "txtOvre";
        row("30: x = 480", ram1, left, "30", {" 97", " 70"}, "30", 480);
        row("12.5 row: y = 150", ram2, upper, "12.5", {" 99", " 88", " 88", " 87.5"}, "12.5", 150);
        row("2,5 reads as 2", ram1, left, "2,5", {" 98", " 98", " 98"}, "2,5", 32);
        row("100: the right edge", ram1, left, "100", {" 99", " 90", " 0"}, "100", 1600);
        row("150: the third key empties", ram1, left, "150", {" 99", " 85", " 100"}, "", 0);
        row("a lone minus stays", ram1, left, "-", {" 100"}, "-", 0);
        row("-5 empties", ram2, upper, "-5", {" 100", " 100"}, "", 0);
        row("letters read as 0", ram1, left, "ab", {" 100", " 100"}, "ab", 0);
        row("emptied field confirmed", ram1, left, "", {" 100"}, "", 0, true);
        row("1E999 pasted: out of range", ram1, left, "1E999", {" 100"}, "", 0, true);
        row("frmRam3 rows move Line2", ram3, upper, "30", {" 97", " 70"}, "30", 360);
        row("frmRam3 columns move Line1, both rows", ram3, left, "30", {" 97", " 70"}, "30", 480);
    }
    void coupling() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        const bool columns = field == "txtVanster";
        const QString line = columns || window == "frmRam2" ? "Line1" : "Line2";
        const QString otherLine = line == "Line1" ? "Line2" : "Line1";
        ProgramHarness h;
        QWidget* dialog = openDialog(h, window);
        auto* edit = child<QLineEdit>(dialog, field);
        auto* partner = child<QLineEdit>(dialog, columns ? "txtHoger" : "txtUndre");
        auto* frame1 = child<FramePreview>(dialog, "Frame1");
        QCOMPARE(edit->text() + "," + partner->text(), QString("20,80"));
        QVERIFY(partner->isReadOnly());
        QCOMPARE(frame1->line(line), divider(columns, columns ? 320 : 240));
        const TwipLine otherBefore = frame1->line(otherLine);

        emptyByKeyboard(edit);
        QStringList partnerTexts;
        for (const QString& change :
             pasted ? QStringList{typed} : typed.split("", Qt::SkipEmptyParts)) {
            if (pasted)
                edit->insert(change);
            else
                ProgramHarness::type(edit, change);
            partnerTexts << partner->text();
        }
        QTEST(partnerTexts, "partnerAfterEachChange");
        QTEST(edit->text(), "fieldAfter");
        QFETCH(float, at);
        QCOMPARE(frame1->line(line), divider(columns, at));
        QCOMPARE(frame1->line(otherLine), otherBefore);

        // The page takes the field texts as they stand; frmRam3's two rows share the columns.
        const QString frameset = QString("<FRAMESET %1=\"%2%,%3%\">")
                                     .arg(columns ? "COLS" : "ROWS", edit->text(), partner->text());
        click(dialog, "cmdOk");
        QCOMPARE(h.editor().text().split("\r\n").size(), window == "frmRam3" ? 18 : 11);
        QCOMPARE(h.editor().text().count(frameset), window == "frmRam3" && columns ? 2 : 1);
    }

    void emptyingRunsTheCouplingOnceMoreNested() {
        ProgramHarness h;
        auto* txtVanster = child<QLineEdit>(openDialog(h, "frmRam1"), "txtVanster");
        QSignalSpy fieldTexts(txtVanster, &QLineEdit::textChanged);
        QSignalSpy partnerTexts(child<QLineEdit>(txtVanster->window(), "txtHoger"),
                                &QLineEdit::textChanged);
        ProgramHarness::type(txtVanster, "5"); // "205"
        // The nested change reaches listeners connected after the coupling first.
        QCOMPARE(fieldTexts, QList<QVariantList>({{QString()}, {QString("205")}}));
        // The nested run writes " 100"; the outer run writes the same text again.
        QCOMPARE(partnerTexts, QList<QVariantList>({{QString(" 100")}}));
    }

    void chooserHandsOver_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<int>>("keys"); // pressed on the option; none means a click
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("focused");
        const auto row = [](const char* name, const char* option, QList<int> keys,
                            const char* opened, const char* focused) {
            QTest::newRow(name) << QString(option) << keys << QString(opened) << QString(focused);
        };
        row("click 1", "optRam1_1", {}, "frmRam1", "txtVanster");
        row("click 2", "optRam1_2", {}, "frmRam2", "txtOvre");
        row("click 3", "optRam1_3", {}, "frmRam3", "cmdAvbryt");
        // Nothing is selected yet, so the arrow only moves the focus; Space selects.
        row("arrow, then space", "optRam1_1", {Qt::Key_Down, Qt::Key_Space}, "frmRam2", "txtOvre");
    }
    void chooserHandsOver() {
        QFETCH(QString, option);
        QFETCH(QList<int>, keys);
        QFETCH(QString, opened);
        ProgramHarness h;
        QWidget* chooser = openDialog(h, "frmRamar");
        QCOMPARE(chooser->focusWidget(), child(chooser, "cmdavbryt"));
        for (const QRadioButton* option : chooser->findChildren<QRadioButton*>())
            QVERIFY(!option->isChecked());
        if (keys.isEmpty())
            click(chooser, option);
        child(chooser, option)->setFocus(Qt::TabFocusReason);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

        QVERIFY(!h.editor().openWindow("frmRamar") && !h.txtHtml().isEnabled());
        QWidget* dialog = h.editor().openWindow(opened);
        QVERIFY(dialog);
        QFETCH(QString, focused);
        QCOMPARE(dialog->focusWidget(), child(dialog, focused));
        for (const char* other : {"frmRam1", "frmRam2", "frmRam3"})
            QCOMPARE(h.editor().openWindow(other) != nullptr, other == opened);

        // Chosen again while open: the same window comes to the front with its contents.
        dialog->findChild<QLineEdit*>()->setText("30");
        click(openDialog(h, "frmRamar"), QString("optRam1_") + opened.back());
        QCOMPARE(h.editor().openWindow(opened), dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>()->text(), QString("30"));
        QVERIFY(!h.txtHtml().isEnabled());
    }

    void leavingWithoutOk_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focused"); // "" for the close box
        QTest::addColumn<int>("key");         // 0: click the focused button
        const auto row = [](const QString& window, const QString& focused, int key) {
            const QString how = focused.isEmpty() ? "close box"
                                : key             ? QKeySequence(key).toString() + " on " + focused
                                                  : "click " + focused;
            QTest::addRow("%s: %s", qPrintable(window), qPrintable(how))
                << window << focused << key;
        };
        for (const QString window : {"frmBody", "frmRamar", "frmRam1", "frmRam2", "frmRam3"}) {
            const QString avbryt = window == "frmRamar" ? "cmdavbryt" : "cmdAvbryt";
            row(window, avbryt, 0);
            row(window, "", 0);
            for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                row(window, avbryt, key);
        }
        for (const char* focused : {"txtTitel", "cboTextfarg", "cmdOk"})
            row("frmBody", focused, Qt::Key_Return);
        row("frmRam1", "txtVanster", Qt::Key_Return);
        row("frmRam1", "cmdOk", Qt::Key_Return);
    }
    // Avbryt and the close box close without a change; Enter and Escape press nothing.
    void leavingWithoutOk() {
        QFETCH(QString, window);
        QFETCH(QString, focused);
        QFETCH(int, key);
        ProgramHarness h;
        h.editor().setText(kOldText);
        QWidget* dialog = openDialog(h, window);
        QWidget* target = child(dialog, focused);
        if (focused.isEmpty())
            dialog->close();
        else if (key == 0)
            QTest::mouseClick(target, Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));

        const bool closes = key == 0;
        QCOMPARE(h.editor().openWindow(window) == nullptr, closes);
        QCOMPARE(h.txtHtml().isEnabled(), closes);
        QCOMPARE(h.editor().text(), kOldText);
        QCOMPARE(h.state().strAndrad, QString("ja"));
        QVERIFY(h.platform.messages.isEmpty());
        for (const char* frameSet : {"frmRam1", "frmRam2", "frmRam3"})
            QCOMPARE(h.editor().openWindow(frameSet) != nullptr, frameSet == window && !closes);
        if (auto* box = qobject_cast<QComboBox*>(target))
            QCOMPARE(box->count(), 6); // Enter added nothing to the list
    }
};

QTEST_MAIN(TestTemplateDialogs)
#include "tst_templatedialogs.moc"
