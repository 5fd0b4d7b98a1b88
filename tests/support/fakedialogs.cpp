#include "fakedialogs.h"

#include <QMessageBox>

int FakeDialogs::Exec(QDialog& dialog) {
    Shown record{QString::fromLatin1(dialog.metaObject()->className()), dialog.objectName(),
                 dialog.windowTitle(), QString()};
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        record.text = box->text();
    }
    shown.append(record);
    if (answers.empty()) {
        dialog.reject();
        return dialog.result();
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer(dialog);
}

QString FakeDialogs::OpenFileName(QWidget*, const QString& initialPath, const QString& filter) {
    opened.append({initialPath, filter});
    if (openAnswers.empty()) {
        return {};
    }
    QString path = openAnswers.front();
    openAnswers.pop_front();
    return path;
}
