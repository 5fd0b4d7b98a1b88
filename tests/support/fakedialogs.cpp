#include "fakedialogs.h"

#include <QMessageBox>

int FakeDialogs::Exec(QDialog& dialog) {
    Shown record{QString::fromLatin1(dialog.metaObject()->className()), dialog.objectName(),
                 dialog.windowTitle(), QString()};
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        record.text = box->text();
    }
    shown.append(record);
    // Shown without a modal loop, so that the window's show and activation steps run as for a user.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    int result = QDialog::Rejected;
    if (answers.empty()) {
        dialog.reject();
        result = dialog.result();
    } else {
        Answer answer = std::move(answers.front());
        answers.pop_front();
        result = answer(dialog);
    }
    dialog.hide();
    return result;
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
