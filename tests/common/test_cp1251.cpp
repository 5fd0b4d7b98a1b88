#include <unicode/ucnv.h>

#include <QTest>
#include <memory>

#include "common/cp1251.h"

using namespace Qt::StringLiterals;

namespace {

// ICU's converter, set to stop at a byte or character the code page does not assign instead of
// substituting one.
struct IcuConverter {
    IcuConverter() {
        UErrorCode status = U_ZERO_ERROR;
        converter = ucnv_open("windows-1251", &status);
        if (U_SUCCESS(status)) {
            ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
            ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        }
        ok = U_SUCCESS(status);
    }
    ~IcuConverter() { ucnv_close(converter); }

    // The character ICU decodes the byte to, or -1 when ICU leaves the byte unassigned.
    int Decode(unsigned char byte) {
        UChar out[4];
        UErrorCode status = U_ZERO_ERROR;
        const char in = static_cast<char>(byte);
        const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
        return U_SUCCESS(status) && length == 1 ? out[0] : -1;
    }

    // The byte ICU encodes the character to, or -1 when it has none.
    int Encode(char16_t c) {
        char out[4];
        UErrorCode status = U_ZERO_ERROR;
        const UChar in = c;
        const int32_t length = ucnv_fromUChars(converter, out, 4, &in, 1, &status);
        return U_SUCCESS(status) && length == 1 ? static_cast<unsigned char>(out[0]) : -1;
    }

    UConverter* converter = nullptr;
    bool ok = false;
};

}  // namespace

class TestCp1251 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteMatchesIcu();
    void everyByteEncodesBackToItself();
    void charactersOutsideTheCodePage_data();
    void charactersOutsideTheCodePage();
};

void TestCp1251::everyByteMatchesIcu() {
    IcuConverter icu;
    QVERIFY(icu.ok);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t ours = cp1251::ToUnicode(byte);
        if (b == 0x98) {
            // Unassigned in the code page (ICU's tables differ in whether they pass it through as
            // U+0098); the program keeps the byte as U+0098 either way.
            const int icuChar = icu.Decode(byte);
            QVERIFY2(icuChar == -1 || icuChar == 0x98, qPrintable(QString::number(icuChar, 16)));
            QCOMPARE(int(ours), 0x98);
            continue;
        }
        QCOMPARE(int(ours), icu.Decode(byte));
        QCOMPARE(icu.Encode(ours), b);
    }
}

void TestCp1251::everyByteEncodesBackToItself() {
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b) {
        all[b] = static_cast<char>(b);
    }
    const QString text = cp1251::Decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(cp1251::CanEncode(text));
    QCOMPARE(cp1251::Encode(text), all);
}

void TestCp1251::charactersOutsideTheCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("Latin ü") << u"ü"_s << "?"_ba;
    QTest::newRow("CJK") << u"中"_s << "?"_ba;
    QTest::newRow("C1 control other than U+0098") << u"\u0081"_s << "?"_ba;
    QTest::newRow("replacement character") << u"\uFFFD"_s << "?"_ba;
    QTest::newRow("beyond the BMP is one character") << u"\U0001F600"_s << "?"_ba;
    QTest::newRow("inside a text") << u"Жü1"_s << "\xC6?1"_ba;
}

void TestCp1251::charactersOutsideTheCodePage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(cp1251::Encode(text), encoded);
    QVERIFY(!cp1251::CanEncode(text));
}

QTEST_APPLESS_MAIN(TestCp1251)
#include "test_cp1251.moc"
