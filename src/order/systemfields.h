#pragma once

#include <QString>
#include <array>

#include "order/order.h"

// The 39 fields of a system record as one table, in record order: the order file, the JSON export
// and the tests walk it instead of naming every field again.

enum class FieldKind { Flag, Integer, Text };

struct SystemField {
    const char* name;  // the field's name, e.g. "diam_t_1"
    FieldKind kind;
    bool TSystemParams::*flag = nullptr;
    qint32 TSystemParams::*integer = nullptr;
    QString TSystemParams::*text = nullptr;
    int capacity = 0;  // texts: the most characters the field holds
};

inline constexpr int kSystemFieldCount = 39;
extern const std::array<SystemField, kSystemFieldCount> kSystemFields;

// The field as one line of an order file: flags "0"/"1", integers in decimal, texts as they are.
QString FieldToText(const TSystemParams& record, const SystemField& field);

// Sets the field from a line of an order file: a flag is set when the line's value is not 0, an
// integer takes the line's value, a text its characters, cut to the field's capacity.
void FieldFromText(TSystemParams& record, const SystemField& field, const QString& line);

// A text cut to a capacity.
QString FitText(const QString& text, int capacity);
