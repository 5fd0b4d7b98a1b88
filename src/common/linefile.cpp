#include "common/linefile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "common/cp1251.h"

QStringList SplitLines(QByteArrayView bytes) {
    QStringList lines;
    const qsizetype n = bytes.size();
    lines.reserve(std::count(bytes.begin(), bytes.end(), '\n') + 1);  // usually exact; a guess for CR files
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        lines.append(cp1251::Decode(bytes.sliced(start, i - start)));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < n) {
        lines.append(cp1251::Decode(bytes.sliced(start)));
    }
    return lines;
}

QByteArray JoinLines(const QStringList& lines) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines) {
        size += line.size() + 2;
    }
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes.append(cp1251::Encode(line));
        bytes.append("\r\n", 2);
    }
    return bytes;
}

FileResult ReadLineFile(const QString& path, QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileResult::Failure(
            QStringLiteral("Не удалось открыть файл «%1»: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return FileResult::Failure(
            QStringLiteral("Не удалось прочитать файл «%1»: %2").arg(path, file.errorString()));
    }
    lines = SplitLines(bytes);
    return {};
}

FileResult WriteLineFile(const QString& path, const QStringList& lines) {
    const QByteArray bytes = JoinLines(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileResult::Failure(
            QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, file.errorString()));
    }
    // QSaveFile buffers what is written and does not notice when the last flush, inside commit(),
    // writes only part of it (disk full, file size limit): it would put the cut file in place of the
    // old one. Flushing first brings such a failure out before anything is replaced.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::Failure(QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, reason));
    }
    return {};
}
