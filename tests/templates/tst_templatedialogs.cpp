// The new-document dialog, the frame layout chooser and the frame set dialogs as a pupil uses
// them: fields typed key by key, the unsaved-changes question answered through the platform.
// Mutants that change nothing a pupil can tell: a percent field one pixel wider at most, and its
// caption spanning a third column that holds nothing.
#include "support/ProgramHarness.h"
#include "support/Table.h"
#include "templates/FramePreview.h"
#include "templates/LockableComboBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using templates::TwipLine;
using namespace vimla::testing;

namespace {

struct Lock {
    QString colour, image;
    bool enterImage, locked;
};

const QString kOldText = "<P>gammal text";

QWidget* openDialog(ProgramHarness& h, const QString& name) {
    QWidget* window = h.editor().windows().showDialog(name);
    [[maybe_unused]] const bool active = window && QTest::qWaitForWindowActive(window);
    return window;
}

void click(ProgramHarness& h, const QString& name) {
    QTest::mouseClick(h.find(name), Qt::LeftButton);
}

// A fresh focus entry into `field` by the mouse, coming from `elsewhere`.
void enter(QWidget* field, QWidget* elsewhere) {
    elsewhere->setFocus(Qt::TabFocusReason);
    auto* box = qobject_cast<QComboBox*>(field);
    QTest::mouseClick(box ? box->lineEdit() : field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_End);
}

// A column divider runs from top to bottom of the preview, a row divider across it.
TwipLine divider(bool column, float at) {
    return column ? TwipLine{at, 0, at, 1200} : TwipLine{0, at, 1600, at};
}

} // namespace

class TestTemplateDialogs : public QObject {
    Q_OBJECT
private slots:
    void bodyLocks_data() {
        // `locked` is about the entered field; the other one stays open.
        addRows<Lock>({
            {"image, no colour: open", {"", "", true, false}},
            {"colour, no image: open", {"red", "", false, false}},
            {"image while a colour stands: locked", {"red", "", true, true}},
            {"colour while an image stands: locked", {"", "a.gif", false, true}},
            {"both filled, only the entered image locks", {"red", "a.gif", true, true}},
            {"both filled, only the entered colour locks", {"red", "a.gif", false, true}},
            {"a blank counts as text", {" ", "", true, true}},
        });
    }
    void bodyLocks() {
        QFETCH(Lock, row);
        const auto [colour, image, enterImage, locked] = row;
        ProgramHarness h;
        openDialog(h, "frmBody");
        auto* cboBakfarg = h.find<templates::LockableComboBox>("cboBakfarg");
        auto* txtBakbild = h.find<QLineEdit>("txtBakbild");
        cboBakfarg->setEditText(colour);
        txtBakbild->setText(image);
        QWidget* field = enterImage ? static_cast<QWidget*>(txtBakbild) : cboBakfarg;
        const auto fieldText = [&] {
            return enterImage ? txtBakbild->text() : cboBakfarg->currentText();
        };

        enter(field, h.find("txtTitel"));
        QCOMPARE(txtBakbild->isReadOnly(), enterImage && locked);
        QCOMPARE(cboBakfarg->isLocked(), !enterImage && locked);
        if (cboBakfarg->isLocked()) { // nor can the arrow keys, the wheel or the list choose one
            QTest::keyClick(cboBakfarg, Qt::Key_Down);
            QWheelEvent wheel(QPointF(5, 5), cboBakfarg->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(cboBakfarg, &wheel);
            cboBakfarg->showPopup();
            QVERIFY(!cboBakfarg->view()->isVisible());
        }
        ProgramHarness::type(field, "x");
        QCOMPARE(fieldText(), (enterImage ? image : colour) + (locked ? "" : "x"));

        // Entered afresh once the other field is empty, it opens again.
        if (enterImage)
            cboBakfarg->setEditText(QString());
        else
            txtBakbild->clear();
        enter(field, h.find("txtTitel"));
        ProgramHarness::type(field, "y");
        QVERIFY(fieldText().endsWith("y"));
    }

    // The question itself has a table with the other commands that drop the text. Replaced, the
    // document is the page (or empty, unchanged) with the caret behind it; after Yes the name is
    // "Namnlös" even when the save stops the replacement.
    void replacing_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("frmBody OK") << "frmBody"
                                    << "cmdOk" << Answer::No;
        QTest::newRow("frmBody Tom") << "frmBody"
                                     << "cmdTom" << Answer::No;
        QTest::newRow("frmRam3 OK") << "frmRam3"
                                    << "cmdOk" << Answer::No;
        QTest::newRow("Yes, the save failing") << "frmBody"
                                               << "cmdOk" << Answer::Yes;
    }
    void replacing() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        QTemporaryDir dir;
        ProgramHarness h;
        h.editor().setText(kOldText);
        h.editor().setCurrentFileName(dir.filePath("sida.html"));
        openDialog(h, window);
        h.platform.answers << answer;
        h.platform.failingWrites = 1;
        click(h, button);
        QCOMPARE(h.editor().currentFileName(), "Namnlös");
        QCOMPARE(h.editor().windows().open(window) == nullptr, answer == Answer::No);
        if (answer != Answer::No) {
            QCOMPARE(h.editor().text(), kOldText);
            return;
        }
        QCOMPARE(h.state().strAndrad, button == "cmdTom" ? "" : "ja");
        QCOMPARE(h.editor().text().left(6), button == "cmdTom" ? "" : "<HTML>");
        QCOMPARE(h.caret(), h.txtHtml().document()->characterCount() - 1);
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
        row("100.5 pasted: over 100", ram1, left, "100.5", {" 100"}, "", 0, true);
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
        openDialog(h, window);
        auto* edit = h.find<QLineEdit>(field);
        auto* partner = h.find<QLineEdit>(columns ? "txtHoger" : "txtUndre");
        auto* frame1 = h.find<templates::FramePreview>("Frame1");
        QCOMPARE(edit->text() + "," + partner->text(), QString("20,80"));
        QVERIFY(partner->isReadOnly());
        QCOMPARE(frame1->line(line), divider(columns, columns ? 320 : 240));
        const TwipLine otherBefore = frame1->line(otherLine);

        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
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
        click(h, "cmdOk");
        QCOMPARE(h.editor().text().split("\r\n").size(), window == "frmRam3" ? 18 : 11);
        QCOMPARE(h.editor().text().count(frameset), window == "frmRam3" && columns ? 2 : 1);
    }

    // The fields sit at the edges of the preview they divide: the columns' above it side by side,
    // the rows' left of it one above the other.
    void fieldsBesideThePreview() {
        ProgramHarness h;
        QWidget* dialog = openDialog(h, "frmRam3");
        const auto place = [&](const char* name) {
            const QWidget* widget = h.find(name);
            return QRect(widget->mapTo(dialog, QPoint()), widget->size());
        };
        const QRect preview = place("Frame1"), left = place("txtVanster"),
                    right = place("txtHoger");
        const QRect upper = place("txtOvre"), lower = place("txtUndre");
        QVERIFY(left.bottom() < preview.top() && left.left() >= preview.left());
        QVERIFY(left.top() == right.top() && left.right() < right.left());
        QVERIFY(upper.right() < preview.left() && upper.top() >= preview.top());
        QVERIFY(upper.left() == lower.left() && upper.bottom() < lower.top());
    }

    void chooserHandsOver_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<int>>("keys"); // pressed on the option; none means a click
        QTest::addColumn<QString>("opened");
        QTest::newRow("click 1") << "optRam1_1" << QList<int>{} << "frmRam1";
        QTest::newRow("click 2") << "optRam1_2" << QList<int>{} << "frmRam2";
        QTest::newRow("click 3") << "optRam1_3" << QList<int>{} << "frmRam3";
        // Nothing is selected yet, so the arrow only moves the focus; Space selects.
        QTest::newRow("arrow, then space")
            << "optRam1_1" << QList<int>{Qt::Key_Down, Qt::Key_Space} << "frmRam2";
    }
    void chooserHandsOver() {
        QFETCH(QString, option);
        QFETCH(QList<int>, keys);
        QFETCH(QString, opened);
        ProgramHarness h;
        QWidget* chooser = openDialog(h, "frmRamar");
        for (const QRadioButton* choice : chooser->findChildren<QRadioButton*>())
            QVERIFY(!choice->isChecked());
        if (keys.isEmpty())
            click(h, option);
        else
            h.find(option)->setFocus(Qt::TabFocusReason);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

        QVERIFY(!h.editor().windows().open("frmRamar") && !h.txtHtml().isEnabled());
        QWidget* dialog = h.editor().windows().open(opened);
        QVERIFY(dialog && dialog->isVisible());
        for (const char* other : {"frmRam1", "frmRam2", "frmRam3"})
            QCOMPARE(h.editor().windows().open(other) != nullptr, other == opened);

        // Chosen again while open: the same window comes to the front with its contents.
        dialog->findChild<QLineEdit*>()->setText("30");
        openDialog(h, "frmRamar");
        click(h, QString("optRam1_") + opened.back());
        QCOMPARE(h.editor().windows().open(opened), dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>()->text(), QString("30"));
        QVERIFY(!h.txtHtml().isEnabled());
    }
};

QTEST_MAIN(TestTemplateDialogs)
#include "tst_templatedialogs.moc"
