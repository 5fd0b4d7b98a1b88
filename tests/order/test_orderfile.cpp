#include <QTest>
#include <limits>

#include "common/decimal.h"
#include "order/orderfile.h"
#include "ordersamples.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kBlockStart = 35;  // + N: the first line of system block 0

// The index of a field in the system block.
int FieldIndex(const char* name) {
    for (int f = 0; f < kSystemFieldCount; ++f) {
        if (qstrcmp(kSystemFields[f].name, name) == 0) {
            return f;
        }
    }
    return -1;
}

TOrder Read(const QStringList& lines) {
    TOrder order = SampleOrder(15, 10);  // whatever was there before must go
    ReadOrderLines(order, lines);
    return order;
}

}  // namespace

class TestOrderFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void orderWithoutNotes();
    void eightNotesAreWrittenAndReadBack();
    void blocksFollowTheCounts();
    void roundTrip_data();
    void roundTrip();
    void fileCutInTheCounts();
    void lenientValues_data();
    void lenientValues();
    void longTextsAreCutToTheField_data();
    void longTextsAreCutToTheField();
    void moreBlocksThanRecords();
    void noteCountOutOfRange_data();
    void noteCountOutOfRange();
    void writerNeverGoesBeyondTheRecords_data();
    void writerNeverGoesBeyondTheRecords();
};

void TestOrderFile::orderWithoutNotes() {
    TOrder order = SampleOrder(0, 0);
    order.notes.lines[1] = u"after an empty entry: not a note"_s;
    const QStringList lines = WriteOrderLines(order);
    QCOMPARE(lines.size(), kBlockStart);
    QCOMPARE(lines[0], u"42"_s);
    QCOMPARE(lines[2], u"0"_s);
    QCOMPARE(lines[3], u"срочно"_s);
    QCOMPARE(lines[4], u"Объект, ул. Ленина 1"_s);
}

void TestOrderFile::eightNotesAreWrittenAndReadBack() {
    const TOrder order = SampleOrder(2, 8);
    const QStringList lines = WriteOrderLines(order);
    QCOMPARE(lines[2], u"8"_s);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(lines[4 + i], order.notes.lines[i]);
    }
    // The contact person comes right after the organisation.
    QCOMPARE(lines.mid(12, 6),
             (QStringList{u"Объект, ул. Ленина 1"_s, u"ООО «Альфа»"_s, u"Контакт А"_s, u"(000) 111-22-33"_s,
                          u"(000) 111-22-34"_s, u"a=b@example.ru"_s}));
    QCOMPARE(lines.size(), kBlockStart + 8 + 2 * kSystemFieldCount);

    const TOrder read = Read(lines);
    QCOMPARE(read.notes, order.notes);
    QCOMPARE(read.customer, order.customer);
    QCOMPARE(read.extras, order.extras);
    QCOMPARE(read.systems, order.systems);
}

void TestOrderFile::blocksFollowTheCounts() {
    TOrder order = SampleOrder(0, 1);
    order.extras.system_counts[0] = 2;
    order.extras.system_counts[10] = 1;
    for (int s = 0; s < 3; ++s) {
        order.systems[s] = SampleSystem(s + 1);
    }
    const QStringList lines = WriteOrderLines(order);
    const int n = 1;
    QCOMPARE(lines.mid(10 + n, kTypeCount), (QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s,
                                                         u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s}));
    QCOMPARE(lines.size(), kBlockStart + n + 3 * kSystemFieldCount);
    for (int s = 0; s < 3; ++s) {
        for (int f = 0; f < kSystemFieldCount; ++f) {
            QCOMPARE(lines[kBlockStart + n + s * kSystemFieldCount + f],
                     FieldToText(order.systems[s], kSystemFields[f]));
        }
    }
}

void TestOrderFile::roundTrip_data() {
    QTest::addColumn<int>("systems");
    QTest::addColumn<int>("notes");

    QTest::newRow("empty order") << 0 << 0;
    QTest::newRow("one system") << 1 << 3;
    QTest::newRow("full order") << 15 << 10;
}

void TestOrderFile::roundTrip() {
    QFETCH(int, systems);
    QFETCH(int, notes);
    const TOrder order = SampleOrder(systems, notes);
    QCOMPARE(Read(WriteOrderLines(order)), order);
}

void TestOrderFile::fileCutInTheCounts() {
    const QStringList whole = WriteOrderLines(SampleOrder(3, 2));
    const int n = 2;
    const TOrder read = Read(whole.first(10 + n + 5));  // five of the eleven system counts

    TExtras expected;
    for (int k = 0; k < 5; ++k) {
        expected.system_counts[k] = LenientToInt(whole[10 + n + k]);
    }
    QCOMPARE(read.extras, expected);
    QCOMPARE(read.customer.email, u"a=b@example.ru"_s);
    for (const TSystemParams& record : read.systems) {
        QCOMPARE(record, TSystemParams{});
    }
}

void TestOrderFile::lenientValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("flag 2") << u"filled"_s << u"2"_s << 1;
    QTest::newRow("flag -1") << u"is_p"_s << u"-1"_s << 1;
    QTest::newRow("flag empty") << u"mass"_s << QString() << 0;
    QTest::newRow("integer with letters") << u"diam_t_1"_s << u"12ab"_s << 12;
    QTest::newRow("integer empty") << u"d_p_diap"_s << QString() << 0;
    QTest::newRow("integer with a blank") << u"diam_t_dop"_s << u" 50"_s << 50;
}

void TestOrderFile::lenientValues() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, value);
    const int f = FieldIndex(field.toLatin1().constData());
    QVERIFY(f >= 0);

    QStringList lines = WriteOrderLines(SampleOrder(1, 0));
    lines[kBlockStart + f] = text;
    const TSystemParams record = Read(lines).systems[0];
    const SystemField& sf = kSystemFields[f];
    QCOMPARE(sf.kind == FieldKind::Flag ? int(record.*sf.flag) : int(record.*sf.integer), value);
}

void TestOrderFile::longTextsAreCutToTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("litres per impulse") << u"litr_impulse_1"_s << u"12345"_s << u"1234"_s;
    QTest::newRow("own range limit") << u"another_diap_min_1"_s << u"9999"_s << u"999"_s;
    QTest::newRow("pressure") << u"max_p"_s << u"16.00"_s << u"16."_s;
    QTest::newRow("range row") << u"diap_p_dop"_s << u"Д1   0.02  -   6 м3/ч, очень длинный"_s
                               << u"Д1   0.02  -   6 м3/ч, о"_s;
    QTest::newRow("fits exactly") << u"diap_1"_s << u"123456789012345678901234"_s
                                  << u"123456789012345678901234"_s;
}

void TestOrderFile::longTextsAreCutToTheField() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const int f = FieldIndex(field.toLatin1().constData());
    QVERIFY(f >= 0);

    const TOrder order = SampleOrder(1, 0);
    QStringList lines = WriteOrderLines(order);
    lines[kBlockStart + f] = text;
    const TSystemParams record = Read(lines).systems[0];

    // Cut to the field, and no neighbouring field touched.
    TSystemParams expected = order.systems[0];
    expected.*kSystemFields[f].text = stored;
    QCOMPARE(record, expected);
}

void TestOrderFile::moreBlocksThanRecords() {
    const TOrder order = SampleOrder(15, 0);
    QStringList lines = WriteOrderLines(order);
    lines[10] = u"20"_s;
    for (int s = 15; s < 20; ++s) {
        const TSystemParams extra = SampleSystem(s + 1);
        for (const SystemField& field : kSystemFields) {
            lines << FieldToText(extra, field);
        }
    }
    const TOrder read = Read(lines);
    QCOMPARE(read.extras.system_counts[0], 20);
    QCOMPARE(read.systems, order.systems);
}

void TestOrderFile::noteCountOutOfRange_data() {
    QTest::addColumn<QString>("noteCount");

    QTest::newRow("negative") << u"-100"_s;
    QTest::newRow("smallest") << u"-2147483648"_s;
    QTest::newRow("largest") << u"2147483647"_s;
    QTest::newRow("near the limit") << u"2147483600"_s;
    QTest::newRow("beyond the limit") << u"99999999999"_s;
}

void TestOrderFile::noteCountOutOfRange() {
    QFETCH(QString, noteCount);
    QStringList lines = WriteOrderLines(SampleOrder(2, 3));
    lines[2] = noteCount;
    const TOrder read = Read(lines);

    // What lies before line 2 is unaffected; every position that depends on it lies outside the
    // file and reads empty.
    QCOMPARE(read.number, 42);
    QCOMPARE(read.date, u"01.02.2024"_s);
    QCOMPARE(read.notes.comment, u"срочно"_s);
    QCOMPARE(read.customer, TCustomerInfo{});
    QCOMPARE(read.extras, TExtras{});
    QCOMPARE(read.systems[0], TSystemParams{});
    if (LenientToInt(noteCount) > 0) {
        // Ten note lines are taken from the lines after the comment, as far as the file has them.
        for (int i = 0; i < kMaxNoteLines; ++i) {
            QCOMPARE(read.notes.lines[i], lines[4 + i]);
        }
        for (const TSystemParams& record : read.systems) {
            QCOMPARE(record, TSystemParams{});
        }
    } else {
        QCOMPARE(read.notes.lines, TOrderNotes{}.lines);
    }
}

void TestOrderFile::writerNeverGoesBeyondTheRecords_data() {
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    QTest::addColumn<QList<qint32>>("counts");
    QTest::addColumn<int>("blocks");

    QTest::newRow("20 of one type") << QList<qint32>{20} << 15;
    QTest::newRow("10 and 10") << QList<qint32>{10, 0, 0, 10} << 15;
    QTest::newRow("16 and -1") << QList<qint32>{16, -1} << 15;
    QTest::newRow("negative") << QList<qint32>{-3} << 0;
    QTest::newRow("all largest") << QList<qint32>(kTypeCount, kMax) << 15;
    QTest::newRow("all smallest") << QList<qint32>(kTypeCount, kMin) << 0;
    QTest::newRow("largest and smallest") << QList<qint32>{kMax, kMin} << 0;
}

void TestOrderFile::writerNeverGoesBeyondTheRecords() {
    QFETCH(QList<qint32>, counts);
    QFETCH(int, blocks);
    TOrder order = SampleOrder(15, 0);
    order.extras.system_counts = {};
    for (int k = 0; k < counts.size(); ++k) {
        order.extras.system_counts[k] = counts[k];
    }
    const QStringList lines = WriteOrderLines(order);
    QCOMPARE(lines.size(), kBlockStart + blocks * kSystemFieldCount);
    for (int k = 0; k < counts.size(); ++k) {
        QCOMPARE(lines[10 + k], QString::number(counts[k]));
    }
}

QTEST_APPLESS_MAIN(TestOrderFile)
#include "test_orderfile.moc"
