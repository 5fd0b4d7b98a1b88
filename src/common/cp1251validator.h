#pragma once

#include <QValidator>

// Refuses text that cannot be written to the program's files: characters without a byte in
// Windows-1251 (they would be stored as "?") and line breaks (they would split a line of the file).
// A refused keystroke or paste simply leaves the edit as it was.
class Cp1251Validator : public QValidator {
    Q_OBJECT
public:
    explicit Cp1251Validator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
