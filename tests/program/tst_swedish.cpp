// Every word shown is Swedish on any desktop: windows, file dialogs, a message box and menus, tooltips included.
// A word passes when in swedish-words.txt (the program's words; HTML, colour, font, key names) or a folder shown.
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

namespace {

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

class TestSwedish : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder; // a page and a folder of pictures
    QStringList m_allowed;

    QStringList textsOf(testing::ProgramHarness& h, const QString& what) {
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
        const QString allowed =
            testing::contentsOf(QFINDTESTDATA("swedish-words.txt")) + m_folder.path() + QDir::homePath();
        m_allowed = allowed.toLower().split(kNonLetters, Qt::SkipEmptyParts);
        QVERIFY(QDir(m_folder.path()).mkpath("bilder"));
        QVERIFY(testing::writeBytes(m_folder.filePath("sida.html"), "<P>Hej\r\n"));
    }

    void everyWordIsSwedish_data() {
        QTest::addColumn<QStringList>("exactly"); // texts that must show as they are
        for (const char* window : {"MDIForm1", "frmBody", "frmFont", "frmLista", "frmLank", "frmTabell", "frmBild",
                                   "frmStor", "frmRamar", "frmRam1", "frmRam2", "frmRam3", "frmInst"})
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
        testing::ProgramHarness h;
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
};

QTEST_MAIN(TestSwedish)
#include "tst_swedish.moc"
