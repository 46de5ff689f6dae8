#include "settings/PointSizeText.h"

#include <QTest>

class TestPointSizeText : public QObject {
    Q_OBJECT
private slots:
    void pointSizes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points"); // 0 when refused
        QTest::newRow("sign place of the dialog, blanks around") << " 12\t " << 12.0;
        QTest::newRow("point as decimal point") << "12.5" << 12.5;
        QTest::newRow("smallest") << "1" << 1.0;
        QTest::newRow("largest") << "500" << 500.0;
        QTest::newRow("below smallest") << "0.5" << 0.0;
        QTest::newRow("above largest") << "500.5" << 0.0;
        QTest::newRow("comma is no decimal point") << "12,5" << 0.0;
        QTest::newRow("group separator") << "1,000" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("blank inside") << "1 2" << 0.0;
        QTest::newRow("not a number") << "nan" << 0.0;
    }
    void pointSizes() {
        QFETCH(QString, text);
        QTEST(vimla::settings::pointSizeFromText(text).value_or(0.0), "points");
    }
};

QTEST_GUILESS_MAIN(TestPointSizeText)
#include "tst_pointsizetext.moc"
