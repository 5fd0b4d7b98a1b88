#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "common/linefile.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lowers the largest file size the process may write for its lifetime, with SIGXFSZ ignored, so that
// a write beyond it fails with EFBIG the way a full disk fails it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

}  // namespace

class TestLineFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitLines_data();
    void splitLines();
    void writeEndsEveryLineWithCrLf();
    void readReturnsWhatWasWritten();
    void failedWriteKeepsTheOldFile();
    void missingFileIsReported();
};

void TestLineFile::splitLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << "a\r\nb\r\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << "a\rb\r"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << "a\nb\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("last line without end") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty lines kept") << "\r\n\r\nc\r\n"_ba << QStringList{QString(), QString(), u"c"_s};
    QTest::newRow("LF then CR are two ends") << "a\n\rb"_ba << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("CR CR LF are two ends") << "a\r\r\nb"_ba << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("Windows-1251") << "\xCE\xCE\xCE \xAB\xC0\xEB\xFC\xF4\xE0\xBB\r\n"_ba
                                  << QStringList{u"ООО «Альфа»"_s};
}

void TestLineFile::splitLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(bytes), lines);
}

void TestLineFile::writeEndsEveryLineWithCrLf() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file.txt"_s);
    const FileResult result = WriteLineFile(path, {u"Заказ №1"_s, QString(), u"a=b"_s});
    QVERIFY(result.ok);
    QCOMPARE(ReadBytes(path), "\xC7\xE0\xEA\xE0\xE7 \xB9\x31\r\n\r\na=b\r\n"_ba);
}

void TestLineFile::readReturnsWhatWasWritten() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file.txt"_s);
    const QStringList lines{u"ЗАО «Бета»"_s, QString(), u"ёЁ№"_s, QString()};
    QVERIFY(WriteLineFile(path, lines).ok);
    QStringList read;
    QVERIFY(ReadLineFile(path, read).ok);
    QCOMPARE(read, lines);
}

void TestLineFile::failedWriteKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file.txt"_s);
    const QByteArray old = "old\r\nfile\r\n"_ba;
    QVERIFY(WriteBytes(path, old));

    FileResult result;
    {
        FileSizeLimit limit(64);
        QVERIFY(limit.active());
        result = WriteLineFile(path, QStringList(100, u"a line that does not fit"_s));
    }
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"file.txt"_s});
}

void TestLineFile::missingFileIsReported() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"missing.txt"_s);
    QStringList lines{u"kept"_s};
    const FileResult result = ReadLineFile(path, lines);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(path));
    QCOMPARE(lines, QStringList{u"kept"_s});
}

QTEST_APPLESS_MAIN(TestLineFile)
#include "test_linefile.moc"
