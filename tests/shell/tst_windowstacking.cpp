#include "support/ProgramHarness.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

using namespace vimla;
using testing::ProgramHarness;

class TestWindowStacking : public QObject {
    Q_OBJECT
private slots:
    void typingShowsTheDocumentWindow_data();
    void typingShowsTheDocumentWindow();
};

void TestWindowStacking::typingShowsTheDocumentWindow_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("a key into the minimised document window restores it") << true;
    QTest::newRow("a key into the shown document window leaves it as it is") << false;
}

void TestWindowStacking::typingShowsTheDocumentWindow() {
    QFETCH(bool, minimised);
    ProgramHarness h;
    auto* frame = qobject_cast<QMdiSubWindow*>(h.editor().frmHtml().parentWidget());
    frame->showMaximized();
    if (minimised)
        frame->showMinimized();
    ProgramHarness::type(&h.txtHtml(), QStringLiteral("å"));
    QCOMPARE(h.editor().text(), QStringLiteral("å"));
    QVERIFY(!frame->isMinimized());
    QCOMPARE(frame->isMaximized(), !minimised);
}

QTEST_MAIN(TestWindowStacking)
#include "tst_windowstacking.moc"
