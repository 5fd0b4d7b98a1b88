#include "common/cp1251validator.h"

#include "common/cp1251.h"

Cp1251Validator::Cp1251Validator(QObject* parent) : QValidator(parent) {}

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c == u'\r' || c == u'\n' || !cp1251::CanEncode(c)) {
            return Invalid;
        }
    }
    return Acceptable;
}
