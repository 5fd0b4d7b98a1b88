#pragma once

#include <QString>

#include "common/linefile.h"
#include "order/order.h"

// Where order files live, relative to the program folder.
inline const QString kOrdersFolderName = QStringLiteral("Заказы");
inline const QString kDraftsFolderName = QStringLiteral("Черновики");

// Reads an order file into the order. When the file cannot be read the order is left as it was.
FileResult LoadOrderFile(const QString& path, TOrder& order);

// Writes the order's file in one piece (the old file, if any, stays whole when the write fails).
FileResult SaveOrderFile(const QString& path, const TOrder& order);
