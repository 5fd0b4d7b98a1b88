#include "storage/orderstore.h"

#include "order/orderfile.h"

FileResult LoadOrderFile(const QString& path, TOrder& order) {
    QStringList lines;
    FileResult result = ReadLineFile(path, lines);
    if (result.ok) {
        ReadOrderLines(order, lines);
    }
    return result;
}

FileResult SaveOrderFile(const QString& path, const TOrder& order) {
    return WriteLineFile(path, WriteOrderLines(order));
}
