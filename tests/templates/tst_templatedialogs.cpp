// The new-document, frame layout and frame set dialogs, typed into key by key. Mutants that change
// nothing a pupil can tell: the percent kept read as 0 when out of range (such a field was emptied
// before). Cosmetic: a percent field a few pixels wider or narrower, a caption spanning an empty
// cell, the buttons a row lower below an empty row.
#include "support/ProgramHarness.h"
#include "support/Table.h"
#include "templates/FramePreview.h"
#include "templates/LockableComboBox.h"

#include <QAbstractItemView>
#include <QLabel>

using namespace vimla;
using namespace vimla::testing;
using templates::TwipLine;

namespace {

struct Lock {
    QString colour, image;
    bool enterImage; // the field entered locks; the other one stays open
};

struct Replace {
    QString window, button;
    platform::Answer answer;
};

struct Coupling {
    QString window, field;
    QString typed;       // into the emptied field, key by key or
    bool pasted;         // inserted as one change
    QStringList partner; // after each change
    QString fieldAfter;
    float at; // both moved coordinates of the divider
};

// A fresh focus entry into `field` by the mouse, coming from `elsewhere`.
void enter(QWidget* field, QWidget* elsewhere) {
    elsewhere->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_End);
}

TwipLine divider(bool column, float at) {
    return column ? TwipLine{at, 0, at, 1200} : TwipLine{0, at, 1600, at};
}

} // namespace

class TestTemplateDialogs : public QObject {
    Q_OBJECT
private slots:
    void bodyLocks_data() {
        addRows<Lock>({
            {"image while a colour stands", {"red", "", true}},
            {"colour while an image stands", {"", "a.gif", false}},
            {"both filled, the entered image locks", {"red", "a.gif", true}},
            {"a blank counts as text", {" ", "", true}},
        });
    }
    void bodyLocks() {
        QFETCH(Lock, row);
        ProgramHarness h;
        h.showDialog("frmBody");
        auto* colour = h.find<templates::LockableComboBox>("cboBakfarg");
        auto* image = h.find<QLineEdit>("txtBakbild");
        colour->setEditText(row.colour);
        image->setText(row.image);
        QLineEdit* field = row.enterImage ? image : colour->lineEdit();

        enter(field, h.find("txtTitel"));
        QCOMPARE(image->isReadOnly(), row.enterImage);
        QCOMPARE(colour->isLocked(), !row.enterImage);
        if (colour->isLocked()) { // nor can the arrow keys, the wheel or the list choose one
            QTest::keyClick(colour, Qt::Key_Down);
            QWheelEvent wheel({5, 5}, colour->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(colour, &wheel);
            colour->showPopup();
            QVERIFY(!colour->view()->isVisible());
        }
        ProgramHarness::type(field, "x");
        QCOMPARE(field->text(), row.enterImage ? row.image : row.colour);

        // Entered afresh once the other field is empty, it opens again.
        (row.enterImage ? colour->lineEdit() : image)->clear();
        enter(field, h.find("txtTitel"));
        ProgramHarness::type(field, "y");
        QVERIFY(field->text().endsWith("y"));
    }

    // Replaced (going on is the question's own table), the document is the page or empty,
    // unchanged, caret behind; after Yes it is "Namnlös" even if the failed save keeps the text.
    void replacing_data() {
        addRows<Replace>({
            {"frmBody Tom", {"frmBody", "cmdTom", platform::Answer::No}},
            {"frmRam3 OK", {"frmRam3", "cmdOk", platform::Answer::No}},
            {"Yes, the save failing", {"frmBody", "cmdOk", platform::Answer::Yes}},
        });
    }
    void replacing() {
        QFETCH(Replace, row);
        QTemporaryDir dir;
        ProgramHarness h;
        h.editor().setText("<P>gammal text");
        h.editor().setCurrentFileName(dir.filePath("sida.html"));
        h.platform.answers << row.answer;
        h.platform.failingWrites = 1;
        ProgramHarness::press(row.button, h.showDialog(row.window));
        QCOMPARE(h.editor().currentFileName(), "Namnlös");
        const bool replaced = row.answer == platform::Answer::No;
        QCOMPARE(h.editor().windows().open(row.window) == nullptr, replaced);
        const bool empty = row.button == "cmdTom";
        QCOMPARE(h.editor().text().left(6), !replaced ? "<P>gam" : empty ? "" : "<HTML>");
        if (replaced) {
            QCOMPARE(h.state().strAndrad, empty ? "" : "ja");
            QCOMPARE(h.caret(), h.txtHtml().document()->characterCount() - 1);
        }
    }

    // Opened from the chooser, the partner field and the preview's divider follow each change of
    // a percent field; OK takes the field texts as they stand.
    void coupling_data() {
        const char *ram1 = "frmRam1", *left = "txtVanster", *upper = "txtOvre";
        addRows<Coupling>({
            {"12.5 row: y = 150", {"frmRam2", upper, "12.5", false, {" 99", " 88", " 88", " 87.5"}, "12.5", 150}},
            {"100: the right edge", {ram1, left, "100", false, {" 99", " 90", " 0"}, "100", 1600}},
            {"100.5 pasted: over 100", {ram1, left, "100.5", true, {" 100"}, "", 0}},
            {"a lone minus stays", {ram1, left, "-", false, {" 100"}, "-", 0}},
            {"-0.5 pasted empties", {ram1, left, "-0.5", true, {" 100"}, "", 0}},
            {"letters read as 0", {ram1, left, "ab", false, {" 100", " 100"}, "ab", 0}},
            {"1E999 pasted: out of range", {ram1, left, "1E999", true, {" 100"}, "", 0}},
            {"frmRam3 rows move Line2", {"frmRam3", upper, "30", false, {" 97", " 70"}, "30", 360}},
        });
    }
    void coupling() {
        QFETCH(Coupling, row);
        const bool columns = row.field == "txtVanster";
        const QString line = columns || row.window == "frmRam2" ? "Line1" : "Line2";
        const QString otherLine = line == "Line1" ? "Line2" : "Line1";
        ProgramHarness h;
        h.showDialog("frmRamar"); // which hands over to the frame dialog clicked
        QTest::mouseClick(h.find("optRam1_" + row.window.right(1)), Qt::LeftButton);
        QVERIFY(!h.editor().windows().open("frmRamar") && !h.txtHtml().isEnabled());
        const QWidget* dialog = h.editor().windows().open(row.window);
        QVERIFY(dialog && dialog->isVisible());
        auto* edit = h.find<QLineEdit>(row.field);
        auto* partner = h.find<QLineEdit>(columns ? "txtHoger" : "txtUndre");
        auto* preview = h.find<templates::FramePreview>("Frame1");
        QCOMPARE(edit->text() + "," + partner->text(), QString("20,80"));
        QVERIFY(partner->isReadOnly());
        QCOMPARE(preview->line(line), divider(columns, columns ? 320 : 240));
        const TwipLine otherBefore = preview->line(otherLine);

        edit->clear();
        QStringList partnerTexts;
        for (const QString& change : row.pasted ? QStringList{row.typed} : row.typed.split("", Qt::SkipEmptyParts)) {
            if (row.pasted)
                edit->insert(change);
            else
                ProgramHarness::type(edit, change);
            partnerTexts << partner->text();
        }
        QCOMPARE(partnerTexts, row.partner);
        QCOMPARE(edit->text(), row.fieldAfter);
        QCOMPARE(preview->line(line), divider(columns, row.at));
        QCOMPARE(preview->line(otherLine), otherBefore);
        const QString percents = QString("=\"%1%,%2%\"").arg(edit->text(), partner->text());
        ProgramHarness::press("cmdOk", h.find(row.window));
        QVERIFY(h.editor().text().contains(percents));
    }

    // The fields sit at the edges of the preview they divide, the columns' above it side by side,
    // the rows' left of it one above the other, each under its caption; the buttons below it.
    void fieldsBesideThePreview() {
        ProgramHarness h;
        QWidget* dialog = h.showDialog("frmRam3");
        const auto place = [&](const char* name) {
            const QWidget* widget = h.find(name);
            return QRect(widget->mapTo(dialog, QPoint()), widget->size());
        };
        const QRect preview = place("Frame1"), left = place("txtVanster"), upper = place("txtOvre");
        QVERIFY(left.bottom() < preview.top() && left.left() >= preview.left());
        QVERIFY(left.top() == place("txtHoger").top() && left.right() < place("txtHoger").left());
        QVERIFY(upper.right() < preview.left() && upper.top() >= preview.top());
        QVERIFY(upper.left() == place("txtUndre").left() && upper.bottom() < place("txtUndre").top());
        const QRect ok = place("cmdOk");
        QVERIFY(ok.top() > preview.bottom() && ok.left() >= preview.left());
        QVERIFY(ok.left() < preview.right());
        for (const QLabel* caption : dialog->findChildren<QLabel*>()) {
            if (caption->buddy()) // over the start of its field
                QCOMPARE(caption->x(), caption->buddy()->x());
        }
    }
};

QTEST_MAIN(TestTemplateDialogs)
#include "tst_templatedialogs.moc"
