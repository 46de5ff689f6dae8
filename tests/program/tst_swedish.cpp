// Every word the program shows is Swedish, whatever the desktop's language: every window, both
// file dialogs, a message box and every context menu, tooltips included. A word passes when it is
// one of the program's Swedish words, an HTML, colour, font or key name, or part of a folder
// shown; anything else (an English word Qt shows untranslated) fails.
#include "platform/FileDialogs.h"
#include "program/Translations.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace vimla;
using testing::ProgramHarness;

namespace {

const char* const kAllowedWords = R"(
    adress alla antal arkiv att av avbryt avslutar bakgrundsbild bakgrundsfärg besökt bild bilden
    bilder bredd bläddra bort byt byte dator del den detaljerad dokument dolda du dubbelklicka
    editor editorn ett filer filformat filnamn flytta framåt färg för föräldrakatalog gör höger
    höjd i in innan inställningar ja klipp klistra kolumner kopiera kvar leta lista listan listvy
    länk länkens mapp markera maximera mer minimera namn namnlös nej numrerad ny nytt om onumrerad
    på rader ram ramar ramförslag ramförslagen se sida sidans skapa som spara stanna stor storlek
    stäng så sökväg ta tabell teckensnitt text texten textjustering textstorlek till tillbaka titel
    tom typ undre ut vill vimlaskolans visa vy välj vänster webbläsare ändringsdatum ångra återställ
    öppna övre ändrad är överst html htm font frames left center right red green yellow blue black
    white ok ctrl algerian arial courier new ms sans serif times roman)";
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
        texts << w->property("text").toString() << w->property("placeholderText").toString()
              << w->toolTip() << (qobject_cast<QMdiSubWindow*>(w) ? w->windowTitle() : "");
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

// The texts of the popup menu or message box that `open` shows and waits in; it is then closed.
QStringList textsShownBy(const std::function<void()>& open) {
    QStringList texts{"nothing was shown"};
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        texts = visibleTexts(shown);
        shown->close();
    });
    open();
    return texts;
}

} // namespace

class TestSwedish : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QSet<QString> m_allowed;

    std::unique_ptr<QFileDialog> shownFileDialog(platform::FileDialogKind kind, QString folder) {
        auto dialog = std::make_unique<QFileDialog>();
        platform::prepareFileDialog(*dialog, {kind, "html-filer|*.html;*.htm|Alla filer|*.*", "",
                                              "html", m_folder.filePath(folder)});
        dialog->show();
        return dialog;
    }

    QStringList textsOf(ProgramHarness& h, const QString& what) {
        if (what == "MDIForm1")
            return visibleTexts(&h.editor().mdiForm1());
        if (what.startsWith("frm"))
            return visibleTexts(h.editor().windows().showDialog(what));
        if (what.endsWith("dialog") || what.endsWith("list menu")) {
            const auto dialog =
                shownFileDialog(what == "save dialog" ? platform::FileDialogKind::Save
                                                      : platform::FileDialogKind::Open,
                                "");
            auto* files = dialog->findChild<QAbstractItemView*>("listView");
            if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 2; }))
                return {"the folder was never read"};
            if (what.endsWith("dialog"))
                return visibleTexts(dialog.get());
            auto* list =
                what == "file list menu" ? files : dialog->findChild<QAbstractItemView*>("sidebar");
            return textsShownBy([&] { emit list->customContextMenuRequested({5, 5}); });
        }
        if (what == "message box")
            return textsShownBy([] {
                platform::QtPlatform().showMessage({"", "", platform::Buttons::YesNoCancel},
                                                   nullptr);
            });
        if (what == "document window menu")
            return visibleTexts(
                qobject_cast<QMdiSubWindow*>(h.editor().frmHtml().parentWidget())->systemMenu());
        std::unique_ptr<QMenu> menu(
            what == "text box menu" ? h.txtHtml().createStandardContextMenu()
                                    : h.editor()
                                          .windows()
                                          .showDialog(what == "box menu" ? "frmFont" : "frmLank")
                                          ->findChild<QLineEdit*>()
                                          ->createStandardContextMenu());
        return visibleTexts(menu.get());
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // Qt's settings of the file dialog
        program::installSwedishTranslations();
        const QString folders = QString(kAllowedWords) + m_folder.path() + QDir::homePath();
        for (const QString& word : folders.toLower().split(kNonLetters, Qt::SkipEmptyParts))
            m_allowed.insert(word);
        QVERIFY(QDir(m_folder.path()).mkpath("bilder"));
        QFile page(m_folder.filePath("sida.html"));
        QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<P>Hej\r\n") > 0);
    }

    void everyWordIsSwedish_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QStringList>("exactly"); // texts that must show as they are
        const auto row = [](const char* what, const QStringList& exactly = {}) {
            QTest::newRow(what) << QString(what) << exactly;
        };
        for (const char* window :
             {"MDIForm1", "frmBody", "frmFont", "frmLista", "frmLank", "frmTabell", "frmBild",
              "frmStor", "frmRamar", "frmRam1", "frmRam2", "frmRam3", "frmInst"})
            row(window);
        row("open dialog", {"Öppna", "Leta i:", "Filnamn:", "Filformat:", "Avbryt", "Dator"});
        row("save dialog", {"Spara som", "Spara", "Avbryt"});
        row("file list menu", {"&Ny mapp"});
        row("folder list menu", {"Ta bort"});
        row("text box menu", {"&Ångra\tCtrl+Z"});
        row("line field menu", {"Markera alla\tCtrl+A"});
        row("box menu", {"Klipp &ut\tCtrl+X"});
        row("document window menu", {"&Stäng"});
        row("message box", {"Ja", "Nej", "Avbryt"});
    }
    void everyWordIsSwedish() {
        QFETCH(QString, what);
        QFETCH(QStringList, exactly);
        ProgramHarness h;
        const QStringList texts = textsOf(h, what);
        QStringList foreign;
        for (const QString& text : texts) {
            if (!text.startsWith('/')) // a folder
                for (const QString& word :
                     QString(text).remove('&').split(kNonLetters, Qt::SkipEmptyParts))
                    if (word.size() > 1 && !m_allowed.contains(word.toLower()))
                        foreign << word;
        }
        QCOMPARE(foreign.join(' '), QString());
        for (const QString& text : exactly)
            QVERIFY2(texts.contains(text), qPrintable(text));
    }

    // Size, type and date are never cut, not even after an earlier dialog left its columns narrow
    // in Qt's settings.
    void fileDialogColumnsFit() {
        QFile packed(m_folder.filePath("bilder/sidor.tar.gz")); // a long type
        QVERIFY(packed.open(QIODevice::WriteOnly) && packed.resize(123456789));
        QHeaderView earlier(Qt::Horizontal);
        QStandardItemModel columns(0, 4);
        earlier.setModel(&columns);
        for (int column = 0; column < 4; ++column)
            earlier.resizeSection(column, 30);
        QSettings("QtProject").setValue("FileDialog/treeViewHeader", earlier.saveState());
        const auto dialog = shownFileDialog(platform::FileDialogKind::Open, "bilder");
        dialog->selectNameFilter("Alla filer (*)");
        dialog->setViewMode(QFileDialog::Detail);
        auto* details = dialog->findChild<QTreeView*>("treeView");
        QTRY_COMPARE(details->model()->rowCount(details->rootIndex()), 1); // opened where asked
        for (int column = 1; column < 4; ++column) {
            QVERIFY(details->header()->sectionSize(column) >=
                    static_cast<QAbstractItemView*>(details)->sizeHintForColumn(column));
            QVERIFY(details->header()->sectionSize(column) >=
                    details->header()->sectionSizeHint(column));
        }
    }
};

QTEST_MAIN(TestSwedish)
#include "tst_swedish.moc"
