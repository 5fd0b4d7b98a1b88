#pragma once

#include <QStringList>

#include "order/order.h"

// The order file: one value per line at fixed positions. Line 2 holds N, the number of note lines
// that follow the comment; every later position depends on it. Then the customer block, the
// per-type and product counts, the three features and one block of 39 lines per system.

// The lines of the order's file. The order is not changed.
QStringList WriteOrderLines(const TOrder& order);

// Replaces the whole order with what the lines say. Nothing is validated: missing lines read as
// empty texts and zero values.
void ReadOrderLines(TOrder& order, const QStringList& lines);
