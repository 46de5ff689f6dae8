// Every window whole at its scaling (QT_SCALE_FACTOR) and walked round by Tab; every dialog left by
// "Avbryt" or its close box without a trace, its fields labelled, Return, Enter and Escape inert.
// Every word shown (file dialogs, a message box and menus too) is Swedish on any desktop: in
// swedish-words.txt (the program's words; HTML, colour, font and key names) or a folder shown.
#include "platform/FileDialogs.h"
#include "program/Translations.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

using namespace vimla;
using namespace vimla::testing;

namespace {

// Each window and its Tab order from the control that has the focus when it opens.
const std::pair<const char*, const char*> kWindows[] = {
    // Tab in the editor writes a tab character: it is the only stop of the main window.
    {"MDIForm1", "txtHtml"},
    {"frmBody", "txtTitel cboBakfarg txtBakbild cboTextfarg cboLink cboVlink cmdOk cmdTom cmdAvbryt"},
    {"frmFont", "cboFarg cboStorlek cboTsnitt cmdOk cmdAvbryt"},
    // Tab passes over the option that is not chosen; the arrow keys move between the two.
    {"frmLista", "optOnum txtAntal cmdOk cmdAvbryt"},
    {"frmLank", "txtLankadr txtLanktext cmdOk cmdAvbryt"},
    {"frmTabell", "txtKolumn txtRad txtRam txtBredd cboJust cmdOk cmdAvbryt"},
    {"frmBild", "txtBild txtBredd txtHojd txtRam cmdOk cmdAvbryt Dir1 Drive1 lstfiler"},
    {"frmStor", "cmdOk"},
    // No option is chosen yet, so Tab enters the group at its first option.
    {"frmRamar", "cmdavbryt optRam1_1"},
    {"frmRam1", "txtVanster txtHoger cmdOk cmdAvbryt"},
    {"frmRam2", "txtOvre txtUndre cmdOk cmdAvbryt"},
    {"frmRam3", "cmdAvbryt txtOvre txtUndre txtVanster txtHoger cmdOk"},
    {"frmInst", "cboTextStorlek cboTsnitt txtwebblasare cmdBladdra cmdOk cmdAvbryt"},
};

// The focused control's name; an editable box's line field stands for its box.
QString focusedControl() {
    QWidget* widget = QApplication::focusWidget();
    while (widget && widget->objectName().isEmpty() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// The controls a pupil must read; a box's line field and a tree's header are parts of theirs.
QList<QWidget*> readableControls(QWidget* window) {
    const auto readable = [](const QWidget* widget) {
        return widget->inherits("QLabel") || widget->inherits("QAbstractButton") || widget->inherits("QLineEdit") ||
               widget->inherits("QComboBox") || widget->inherits("QAbstractItemView");
    };
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (readable(widget) && !readable(widget->parentWidget()) && widget->isVisibleTo(window) &&
            widget->window() == window)
            controls << widget;
    }
    return controls;
}

QString describe(const QWidget* widget) {
    return widget->objectName() + " \"" + widget->property("text").toString() + '"';
}

const QRegularExpression kNonLetters(QStringLiteral("[^\\p{L}]+"));

QStringList visibleTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets << window) {
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model(); // a box's list is hidden, not empty
            for (int c = 0; c < model->columnCount(view->rootIndex()); ++c) {
                texts << model->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                    texts << model->index(r, c, view->rootIndex()).data().toString();
            }
        }
        if (w != window && !w->isVisibleTo(window))
            continue;
        texts << w->property("text").toString() << w->property("placeholderText").toString() << w->toolTip()
              << (qobject_cast<QMdiSubWindow*>(w) ? w->windowTitle() : "");
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

// The texts of the popup menu or message box that `open` shows and waits in; it is then closed.
QStringList textsShownBy(const std::function<void()>& open) {
    QStringList texts{"nothing was shown"};
    QTimer::singleShot(0, [&] {
        QWidget* shown =
            QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        texts = visibleTexts(shown);
        shown->close();
    });
    open();
    return texts;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder; // a page and a folder of pictures
    QStringList m_allowed;

    QStringList textsOf(ProgramHarness& h, const QString& what) {
        if (what == "MDIForm1")
            return visibleTexts(&h.editor().mdiForm1());
        if (what.startsWith("frm"))
            return visibleTexts(h.editor().windows().showDialog(what));
        if (what == "file menu") {
            auto* menu = h.editor().mdiForm1().findChild<QMenu*>("mnuArkiv");
            return visibleTexts(menu) << menu->title();
        }
        if (what == "document window menu")
            return visibleTexts(qobject_cast<QMdiSubWindow*>(h.editor().frmHtml().parentWidget())->systemMenu());
        if (what == "text box menu")
            return visibleTexts(std::unique_ptr<QMenu>(h.txtHtml().createStandardContextMenu()).get());
        if (what == "message box")
            return textsShownBy([] {
                platform::QtPlatform().showMessage({"", "", platform::Buttons::YesNoCancel}, nullptr);
            });
        QFileDialog dialog;
        const auto kind = what == "save dialog" ? platform::FileDialogKind::Save : platform::FileDialogKind::Open;
        platform::prepareFileDialog(dialog,
                                    {kind, "html-filer|*.html;*.htm|Alla filer|*.*", "", "html", m_folder.path()});
        dialog.show();
        auto* files = dialog.findChild<QAbstractItemView*>("listView");
        if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 2; }))
            return {"the folder was never read"};
        if (what.endsWith("dialog"))
            return visibleTexts(&dialog);
        return textsShownBy([&] { emit files->customContextMenuRequested({5, 5}); });
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // Qt's settings of the file dialog
        program::installSwedishTranslations();
        const QString allowed = contentsOf(QFINDTESTDATA("swedish-words.txt")) + m_folder.path() + QDir::homePath();
        m_allowed = allowed.toLower().split(kNonLetters, Qt::SkipEmptyParts);
        QVERIFY(QDir(m_folder.path()).mkpath("bilder"));
        QVERIFY(writeBytes(m_folder.filePath("sida.html"), "<P>Hej\r\n"));
    }

    void everyWordIsSwedish_data() {
        QTest::addColumn<QStringList>("exactly"); // texts that must show as they are
        for (const auto& [window, chain] : kWindows)
            QTest::newRow(window) << QStringList();
        // The marked letters are the access keys: Alt+A, then S, P, I or A.
        QTest::newRow("file menu") << QStringList{"&Arkiv", "&Stäng", "S&para som...", "&Inställningar", "&Avsluta"};
        QTest::newRow("open dialog") << QStringList{"Öppna", "Leta i:", "Filnamn:", "Filformat:", "Avbryt", "Dator"};
        QTest::newRow("save dialog") << QStringList{"Spara som", "Spara", "Avbryt"};
        QTest::newRow("file list menu") << QStringList{"&Ny mapp"};
        QTest::newRow("text box menu") << QStringList{"&Ångra\tCtrl+Z"};
        QTest::newRow("document window menu") << QStringList{"&Stäng"};
        QTest::newRow("message box") << QStringList{"Ja", "Nej", "Avbryt"};
    }
    void everyWordIsSwedish() {
        QFETCH(QStringList, exactly);
        ProgramHarness h;
        const QStringList texts = textsOf(h, QTest::currentDataTag());
        QStringList foreign;
        for (const QString& text : texts.filter(QRegularExpression("^[^/]"))) // not a folder
            for (const QString& word : QString(text).remove('&').split(kNonLetters))
                if (word.size() > 1 && !m_allowed.contains(word.toLower()))
                    foreign << word;
        QCOMPARE(foreign.join(' '), QString());
        for (const QString& text : exactly)
            QVERIFY2(texts.contains(text), qPrintable(text));
    }

    void shownWholeAndWalkedByTab_data() {
        QTest::addColumn<QStringList>("chain");
        for (const auto& [window, chain] : kWindows)
            QTest::newRow(window) << QString(chain).split(' ');
    }
    void shownWholeAndWalkedByTab() {
        QFETCH(QStringList, chain);
        const QString window = QTest::currentDataTag();
        ProgramHarness h(QByteArray(" 11\r\nDejaVu Sans Mono\r\n\r\n"));
        QWidget* shown = ProgramHarness::activate(window == "MDIForm1" ? &h.editor().mdiForm1()
                                                                       : h.editor().windows().showDialog(window));
        QVERIFY(shown && QTest::qWaitForWindowExposed(shown));

        const QList<QWidget*> controls = readableControls(shown);
        for (QWidget* control : controls) {
            const QRect place(control->mapTo(shown, QPoint(0, 0)), control->size());
            QVERIFY2(shown->rect().contains(place), qPrintable(describe(control) + " sticks out"));
            QVERIFY2(control->size().expandedTo(control->minimumSizeHint()) == control->size(),
                     qPrintable(describe(control) + " is cut"));
            for (QWidget* other : controls) {
                QVERIFY2(other == control || !place.intersects({other->mapTo(shown, QPoint(0, 0)), other->size()}),
                         qPrintable(describe(control) + " covers " + describe(other)));
            }
        }

        QTRY_COMPARE(focusedControl(), chain.first());
        // Shift+Tab walks Qt's one chain backwards: the program sets only the forward order.
        QStringList walked{chain.first()};
        for (qsizetype press = 0; press < chain.size(); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focusedControl();
        }
        QCOMPARE(walked, chain + QStringList{chain.first()});
    }

    void leavingChangesNothing_data() {
        QTest::addColumn<QString>("button"); // empty: the close box
        for (const auto& [window, chain] : kWindows) {
            const QStringList avbryt = QString(chain).split(' ').filter("cmdavbryt", Qt::CaseInsensitive);
            if (avbryt.isEmpty()) // the main window, and the one with nothing to cancel
                continue;
            QTest::addRow("%s, Avbryt", window) << avbryt.first();
            QTest::addRow("%s, close box", window) << QString();
        }
    }
    void leavingChangesNothing() {
        QFETCH(QString, button);
        const QString window = QString(QTest::currentDataTag()).section(',', 0, 0);
        ProgramHarness h;
        h.setTextAndSelect(QStringLiteral("före GAMMAL\r\nefter"), 5, 6);
        h.platform.setClipboardText(QStringLiteral("förut"));
        const QStringList before = h.documentState();
        const bool settings = window == "frmInst"; // from the menu: the document stays enabled
        if (settings)
            h.editor().mdiForm1().mnuInställningar_Click();
        QWidget* shown = ProgramHarness::activate(settings ? h.find(window) : h.editor().windows().showDialog(window));
        QVERIFY(shown);
        // The drive box stands below the folder tree, named only for screen readers.
        QCOMPARE(ProgramHarness::unlabelledFields(shown), window == "frmBild" ? QStringList{"Drive1"} : QStringList());
        h.verifyKeysPressNothing(shown); // typing "3" into every box first
        ProgramHarness::press(button, shown);
        QVERIFY(!h.find(window));
        QCOMPARE(h.documentState(), before);
        QCOMPARE(h.editor().selectedText(), QStringLiteral("GAMMAL"));
        QCOMPARE(h.platform.clipboard, QStringLiteral("förut"));
        QCOMPARE(h.platform.messages.size() + h.platform.fileDialogs.size(), 0);
        if (settings) // the window system gives the focus back, not the program
            QVERIFY(h.txtHtml().isEnabled());
        else
            h.verifyDocumentBack();
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
