#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "order/systemfields.h"
#include "storage/orderstore.h"

using namespace Qt::StringLiterals;

namespace {

struct Result {
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs kvo as the order desk would: no display at all.
Result Kvo(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s}) {
        environment.remove(name);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KVO_PATH), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QJsonObject ParseObject(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}

QStringList Types(const QJsonObject& order) {
    QStringList types;
    for (const QJsonValue& system : order[u"systems"_s].toArray()) {
        const QJsonValue type = system[u"type"_s];
        types.append(type.isNull() ? u"null"_s : type.toString());
    }
    return types;
}

}  // namespace

class TestKvo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void jsonOfTheSampleOrder() {
        const Result result = Kvo({u"json"_s, QStringLiteral(SAMPLE_ORDER)});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        const QJsonObject order = ParseObject(result.out);
        QFile expectedFile(QStringLiteral(SAMPLE_JSON));
        QVERIFY(expectedFile.open(QIODevice::ReadOnly));
        QCOMPARE(order, ParseObject(expectedFile.readAll()));

        // The shape other programs rely on.
        QCOMPARE(order[u"number"_s].toInt(), 127);
        QCOMPARE(order[u"customer"_s][u"org_name"_s].toString(), u"ООО «ТеплоСервис»"_s);
        QCOMPARE(order[u"notes"_s][u"lines"_s].toArray().size(), 2);
        QCOMPARE(order[u"extras"_s][u"system_counts"_s].toArray().size(), 11);
        QCOMPARE(order[u"extras"_s][u"product_counts"_s].toArray()[6].toInt(), 25);
        QVERIFY(order[u"extras"_s][u"printer_support"_s].isBool());
        QCOMPARE(Types(order), QStringList({u"o1c"_s, u"oz2c"_s, u"gvs"_s, u"cw"_s}));
        for (const QJsonValue& value : order[u"systems"_s].toArray()) {
            const QJsonObject system = value.toObject();
            QCOMPARE(system.size(), kSystemFieldCount + 1);
            for (const SystemField& field : kSystemFields) {
                const QJsonValue v = system[QLatin1StringView(field.name)];
                QVERIFY2(field.kind == FieldKind::Flag      ? v.isBool()
                         : field.kind == FieldKind::Integer ? v.isDouble()
                                                            : v.isString(),
                         field.name);
            }
        }
        QCOMPARE(order[u"systems"_s][1][u"another_diap_min_2"_s].toString(), u"0.5"_s);
    }

    // Systems are the first min(15, sum of the counts) records, named by the card's type walk.
    void jsonSystemsFollowTheCounts_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("types");
        QList<int> many(kTypeCount, 0);
        many[1] = 20;
        QTest::newRow("more than fifteen") << many << QStringList(15, u"oz2c"_s);
        QList<int> mixed(kTypeCount, 0);
        mixed[0] = 1;
        mixed[10] = 2;
        QTest::newRow("o1c and cw") << mixed << QStringList({u"o1c"_s, u"cw"_s, u"cw"_s});
        QTest::newRow("none") << QList<int>(kTypeCount, 0) << QStringList{};
        QList<int> negative(kTypeCount, 0);
        negative[0] = -1;
        negative[4] = 3;
        QTest::newRow("a negative count") << negative << QStringList({u"o1c"_s, u"o1c"_s});
    }
    void jsonSystemsFollowTheCounts() {
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, types);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"order.kvo"_s);
        TOrder order;
        for (int k = 0; k < kTypeCount; ++k) {
            order.extras.system_counts[static_cast<size_t>(k)] = counts[k];
        }
        for (TSystemParams& system : order.systems) {
            system.filled = true;
        }
        QVERIFY(SaveOrderFile(path, order).ok);
        const Result result = Kvo({u"json"_s, path});
        QCOMPARE(result.status, 0);
        QCOMPARE(Types(ParseObject(result.out)), types);
    }

    void cardIsOneLandscapeA4Page() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        const Result result = Kvo({u"card"_s, QStringLiteral(SAMPLE_ORDER), u"-o"_s, pdf});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        const QString info = Tool(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(u"Page size:\\s+841.89 x 595.276 pts \\(A4\\)"_s)) ||
                     info.contains(QRegularExpression(u"Page size:\\s+842 x 595 pts \\(A4\\)"_s)),
                 qPrintable(info));
        const QString text = Tool(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY2(text.contains(u"Заказ № 127"_s), qPrintable(text));
        QVERIFY(text.contains(u"Петров Иван Сергеевич"_s));
    }

    void cardBesideTheOrderWithoutOutput() {
        QTemporaryDir dir;
        const QString order = dir.filePath(u"заказ.kvo"_s);
        QVERIFY(QFile::copy(QStringLiteral(SAMPLE_ORDER), order));
        QCOMPARE(Kvo({u"card"_s, order}).status, 0);
        QVERIFY(QFile::exists(dir.filePath(u"заказ.pdf"_s)));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const QString missing = u"/nonexistent/order.kvo"_s;
        QTest::newRow("json of a missing file") << QStringList{u"json"_s, missing} << 1;
        QTest::newRow("card of a missing file")
            << QStringList{u"card"_s, missing, u"-o"_s, u"/tmp/x.pdf"_s} << 1;
        QTest::newRow("a folder") << QStringList{u"json"_s, QDir::tempPath()} << 1;
        QTest::newRow("unwritable output")
            << QStringList{u"card"_s, QStringLiteral(SAMPLE_ORDER), u"-o"_s, u"/nonexistent/card.pdf"_s} << 1;
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{u"print"_s, missing} << 2;
        QTest::newRow("no order file") << QStringList{u"json"_s} << 2;
        QTest::newRow("-o without a name")
            << QStringList{u"card"_s, QStringLiteral(SAMPLE_ORDER), u"-o"_s} << 2;
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const Result result = Kvo(arguments);
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(result.err.startsWith(u"kvo: "_s), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY(result.err.endsWith(u'\n'));
    }

    void help() {
        const Result result = Kvo({u"--help"_s});
        QCOMPARE(result.status, 0);
        const QString text = QString::fromUtf8(result.out);
        QVERIFY(text.contains(u"kvo card"_s));
        QVERIFY(text.contains(u"kvo json"_s));
    }
};

QTEST_GUILESS_MAIN(TestKvo)
#include "test_kvo.moc"
