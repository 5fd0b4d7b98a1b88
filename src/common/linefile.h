#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Order and settings files are Windows-1251 text lines. Reading accepts CR LF, a lone CR and a lone
// LF as line ends; writing ends every line, the last one included, with CR LF.

// The outcome of a file operation: ok, or a message for the user that names the file and the
// system's reason.
struct FileResult {
    bool ok = true;
    QString error;

    static FileResult Failure(QString message) { return {false, std::move(message)}; }
};

QStringList SplitLines(QByteArrayView bytes);
QByteArray JoinLines(const QStringList& lines);

// Reads the whole file. On failure `lines` is left as it was.
FileResult ReadLineFile(const QString& path, QStringList& lines);

// Replaces the file in one step: the lines go to a temporary file beside it, which takes the
// file's place only when everything was written. A failed write leaves the old file whole.
FileResult WriteLineFile(const QString& path, const QStringList& lines);
