#include <QTest>

#include "common/decimal.h"

using namespace Qt::StringLiterals;

class TestDecimal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lenientToInt_data();
    void lenientToInt();
};

void TestDecimal::lenientToInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");

    QTest::newRow("leading blank") << u" 7"_s << 7;
    QTest::newRow("leading zero") << u"03"_s << 3;
    QTest::newRow("no leading digit") << u"x1"_s << 0;
    QTest::newRow("negative") << u"-3"_s << -3;
    QTest::newRow("plus sign") << u"+4"_s << 4;
    QTest::newRow("letters after digits") << u"12ab"_s << 12;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("sign alone") << u"-"_s << 0;
    QTest::newRow("blank after sign") << u"- 3"_s << 0;
    QTest::newRow("largest") << u"2147483647"_s << 2147483647;
    QTest::newRow("smallest") << u"-2147483648"_s << qint32(-2147483647 - 1);
    QTest::newRow("one past largest") << u"2147483648"_s << 2147483647;
    QTest::newRow("30 digits") << u"123456789012345678901234567890"_s << 2147483647;
    QTest::newRow("negative 30 digits") << u"-999999999999999999999999999999"_s << qint32(-2147483647 - 1);
}

void TestDecimal::lenientToInt() {
    QFETCH(QString, text);
    QFETCH(qint32, value);
    QCOMPARE(LenientToInt(text), value);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "test_decimal.moc"
