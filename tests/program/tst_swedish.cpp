// Every word the program shows is Swedish, whatever the desktop's language: every window, both
// file dialogs, a message box and every context menu, their tooltips included. A word passes when
// it is one of the program's Swedish words, an HTML word it writes, a colour or font name, or a
// part of the folder shown; anything else (an English word Qt shows untranslated) fails.
#include "platform/FileDialogs.h"
#include "program/Translations.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
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

QStringList visibleTexts(QWidget* window) {
    QStringList texts{window->windowTitle(), window->toolTip()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        texts << w->toolTip();
        if (auto* document = qobject_cast<QMdiSubWindow*>(w))
            texts << document->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* line = qobject_cast<QLineEdit*>(w))
            texts << line->text() << line->placeholderText();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            const QModelIndex root = view->rootIndex();
            for (int c = 0; c < model->columnCount(root); ++c) {
                texts << model->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < model->rowCount(root); ++r)
                    texts << model->index(r, c, root).data().toString();
            }
        }
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

QStringList actionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

// The texts of the popup menu that `open` shows (and waits in), which is then closed.
QStringList popupTexts(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            texts = actionTexts(*menu);
            menu->close();
        }
    });
    open();
    return texts;
}

// The words of the texts that are not allowed.
QStringList foreignWords(const QStringList& texts, const QSet<QString>& allowed) {
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList foreign;
    for (const QString& text : texts) {
        if (text.startsWith('/'))
            continue; // a folder
        for (const QString& word :
             QString(text).remove('&').split(nonLetters, Qt::SkipEmptyParts)) {
            if (word.size() > 1 && !allowed.contains(word.toLower()) && !foreign.contains(word))
                foreign << word;
        }
    }
    return foreign;
}

// The program's Swedish words, the HTML, colour, font and key names it shows, and the words of
// Qt's Swedish translation in the file dialogs and context menus.
const char* const kAllowedWords = R"(
    adress alla antal arkiv att av avbryt avslutar bakgrundsbild bakgrundsfärg besökt bild bilden bilder bredd
    bläddra bort byt byte dator del den detaljerad dokument dolda du dubbelklicka editor editorn ett
    filer filformat filnamn flytta framåt färg för föräldrakatalog gör höger höjd i in innan
    inställningar ja klipp klistra kolumner kopiera kvar leta lista listan listvy länk länkens mapp
    markera maximera mer minimera namn namnlös nej numrerad ny nytt om onumrerad på rader ram ramar
    ramförslag ramförslagen se sida sidans skapa som spara stanna stor storlek stäng så sökväg ta
    tabell teckensnitt text texten textjustering textstorlek till tillbaka titel tom typ undre ut
    vill vimlaskolans visa vy välj vänster webbläsare ändringsdatum ångra återställ öppna övre
    ändrad är överst
    html htm font frames left center right red green yellow blue black white
    ok ctrl algerian arial courier new ms sans serif times roman)";

} // namespace

class TestSwedish : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QSet<QString> m_allowed;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // Qt's settings of the file dialog
        program::installSwedishTranslations();
        for (const QString& word : QString(kAllowedWords).split(QRegularExpression("\\s+")))
            m_allowed.insert(word);
        QVERIFY(QDir(m_folder.path()).mkpath("bilder"));
        QFile page(m_folder.filePath("sida.html"));
        QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<P>Hej\r\n") > 0);
        page.close();
        QVERIFY(QDir::setCurrent(m_folder.path()));
        // The folder shown and the user's home folder, in the lists and the folder tree.
        for (const QString& path : {m_folder.path(), QDir::homePath()})
            for (const QString& part : path.toLower().split(QRegularExpression("[^\\p{L}]+")))
                m_allowed.insert(part);
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
        row("line field menu");
        row("box menu");
        row("document window menu");
        row("message box", {"Ja", "Nej", "Avbryt"});
    }
    void everyWordIsSwedish() {
        QFETCH(QString, what);
        QFETCH(QStringList, exactly);
        ProgramHarness h;
        const QStringList texts = textsOf(h, what);
        QCOMPARE(foreignWords(texts, m_allowed).join(u' '), QString());
        for (const QString& text : exactly)
            QVERIFY2(texts.contains(text), qPrintable(text));
    }

    // The size, type and date of a file are never cut.
    void fileDialogColumnsFit() {
        QFile packed(m_folder.filePath("bilder/sidor.tar.gz")); // a long type
        QVERIFY(packed.open(QIODevice::WriteOnly) && packed.resize(123456789));
        packed.close();
        {
            // Column widths that an earlier dialog left in Qt's settings, narrower than the date.
            QHeaderView earlier(Qt::Horizontal);
            QStandardItemModel columns(0, 4);
            earlier.setModel(&columns);
            for (int column = 0; column < 4; ++column)
                earlier.resizeSection(column, 30);
            QSettings(QSettings::UserScope, "QtProject")
                .setValue("FileDialog/treeViewHeader", earlier.saveState());
        }
        const auto dialog = shownFileDialog(platform::FileDialogKind::Open);
        dialog->setDirectory(m_folder.filePath("bilder"));
        dialog->selectNameFilter("Alla filer (*)");
        dialog->setViewMode(QFileDialog::Detail);
        QFont large = dialog->font(); // a desktop set to large letters
        large.setPointSize(large.pointSize() * 2);
        dialog->setFont(large);
        auto* details = dialog->findChild<QTreeView*>("treeView");
        QTRY_COMPARE(details->model()->rowCount(details->rootIndex()), 1);
        for (int column = 1; column < 4; ++column) {
            const int width = details->header()->sectionSize(column);
            QVERIFY2(width >= static_cast<QAbstractItemView*>(details)->sizeHintForColumn(column),
                     qPrintable(QString::number(column)));
            QVERIFY(width >= details->header()->sectionSizeHint(column));
        }
    }

private:
    std::unique_ptr<QFileDialog> shownFileDialog(platform::FileDialogKind kind) {
        auto dialog = std::make_unique<QFileDialog>();
        platform::prepareFileDialog(
            *dialog, {kind, "html-filer|*.html;*.htm|Alla filer|*.*", "sida.html", "html", ""});
        dialog->setDirectory(m_folder.path());
        dialog->show();
        return dialog;
    }

    QStringList textsOf(ProgramHarness& h, const QString& what) {
        if (what == "MDIForm1")
            return visibleTexts(&h.editor().mdiForm1());
        if (what.startsWith("frm"))
            return visibleTexts(h.showDialog(what));
        if (what.endsWith("dialog") || what.endsWith("list menu")) {
            const auto dialog =
                shownFileDialog(what == "save dialog" ? platform::FileDialogKind::Save
                                                      : platform::FileDialogKind::Open);
            auto* files = dialog->findChild<QAbstractItemView*>("listView");
            if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 2; }))
                return {"the folder was never read"};
            if (what.endsWith("dialog"))
                return visibleTexts(dialog.get());
            auto* list =
                what == "file list menu" ? files : dialog->findChild<QAbstractItemView*>("sidebar");
            return popupTexts([&] { emit list->customContextMenuRequested({5, 5}); });
        }
        std::unique_ptr<QMenu> menu;
        if (what == "text box menu")
            menu.reset(h.txtHtml().createStandardContextMenu());
        if (what == "line field menu")
            menu.reset(h.showDialog("frmLank")
                           ->findChild<QLineEdit*>("txtLankadr")
                           ->createStandardContextMenu());
        if (what == "box menu")
            menu.reset(h.showDialog("frmFont")
                           ->findChild<QComboBox*>("cboFarg")
                           ->lineEdit()
                           ->createStandardContextMenu());
        if (menu)
            return actionTexts(*menu);
        if (what == "document window menu")
            return actionTexts(
                *qobject_cast<QMdiSubWindow*>(h.editor().frmHtml().parentWidget())->systemMenu());
        QStringList texts;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            texts = visibleTexts(box);
            box->close();
        });
        platform::QtPlatform().showMessage({"Vimlaskolans HTML-editor",
                                            "Texten i editorn är ändrad!",
                                            platform::Buttons::YesNoCancel},
                                           nullptr);
        return texts;
    }
};

QTEST_MAIN(TestSwedish)
#include "tst_swedish.moc"
