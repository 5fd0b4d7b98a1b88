#include "common/dialogs.h"

#include <QMessageBox>

void ShowMessage(Dialogs& dialogs, QWidget* parent, const QString& caption, const QString& text,
                 bool critical) {
    QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                    QMessageBox::Ok, parent);
    dialogs.Exec(box);
}
