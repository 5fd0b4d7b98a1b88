#include "cli/kvo.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include "card/cardpage.h"
#include "cli/orderjson.h"
#include "storage/orderstore.h"

using namespace Qt::StringLiterals;

namespace {

const QString kUsage =
    uR"(Использование:
  kvo card ЗАКАЗ.kvo [-o КАРТА.pdf]  карта заказа в PDF: одна альбомная страница A4
                                     (без -o файл ложится рядом с заказом, с расширением .pdf)
  kvo json ЗАКАЗ.kvo                 заказ в JSON (UTF-8) на стандартный вывод
  kvo --help                         эта справка
Код выхода: 0 - готово, 1 - файл не прочитан или не записан, 2 - неверная команда.
)"_s;

constexpr int kFileError = 1;
constexpr int kUsageError = 2;

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Errors are one line each.
int Fail(std::FILE* err, int status, QString message) {
    message.replace(u'\n', u' ');
    Write(err, (u"kvo: "_s + message + u'\n').toLocal8Bit());
    return status;
}

int UsageError(std::FILE* err, const QString& message) {
    return Fail(err, kUsageError, message + u" (kvo --help — справка)"_s);
}

int Card(const QString& orderPath, QString pdfPath, std::FILE* err) {
    TOrder order;
    if (const FileResult read = LoadOrderFile(orderPath, order); !read.ok) {
        return Fail(err, kFileError, read.error);
    }
    if (pdfPath.isEmpty()) {
        const QFileInfo info(orderPath);
        pdfPath = info.dir().filePath(info.completeBaseName() + u".pdf"_s);
    }
    if (const FileResult written = WriteCardPdf(order, pdfPath); !written.ok) {
        return Fail(err, kFileError, written.error);
    }
    return 0;
}

int Json(const QString& orderPath, std::FILE* out, std::FILE* err) {
    TOrder order;
    if (const FileResult read = LoadOrderFile(orderPath, order); !read.ok) {
        return Fail(err, kFileError, read.error);
    }
    Write(out, QJsonDocument(OrderToJson(order)).toJson(QJsonDocument::Indented));
    return 0;
}

}  // namespace

int RunKvo(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.isEmpty()) {
        return UsageError(err, u"не указана команда"_s);
    }
    const QString command = arguments.first();
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        Write(out, kUsage.toLocal8Bit());
        return 0;
    }
    if (command != u"card"_s && command != u"json"_s) {
        return UsageError(err, u"неизвестная команда «%1»"_s.arg(command));
    }

    QString orderPath;
    QString pdfPath;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (command == u"card"_s && (argument == u"-o"_s || argument == u"--output"_s)) {
            if (++i == arguments.size()) {
                return UsageError(err, u"после %1 нужно имя PDF-файла"_s.arg(argument));
            }
            pdfPath = arguments[i];
        } else if (orderPath.isEmpty()) {
            orderPath = argument;
        } else {
            return UsageError(err, u"лишний аргумент «%1»"_s.arg(argument));
        }
    }
    if (orderPath.isEmpty()) {
        return UsageError(err, u"не указан файл заказа"_s);
    }
    return command == u"card"_s ? Card(orderPath, pdfPath, err) : Json(orderPath, out, err);
}

void PrepareHeadlessPlatform() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
}
