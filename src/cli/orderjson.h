#pragma once

#include <QJsonObject>

#include "order/order.h"

// The order as the JSON object other systems import: number, date, customer, notes (the note
// lines only), extras and the records of the order's systems, each with its type code.
QJsonObject OrderToJson(const TOrder& order);
