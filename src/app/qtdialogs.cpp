#include "app/qtdialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

int QtDialogs::Exec(QDialog& dialog) {
    return dialog.exec();
}

QString ToQtFileFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0) {
        return filter;
    }
    // The description carries its own "(*.kvo)" for the user; Qt takes the patterns from a trailing
    // bracket, so the description's bracket is replaced by one listing the patterns.
    QString description = filter.left(bar).trimmed();
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)$")));
    QStringList patterns = filter.mid(bar + 1).split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
    }
    return description + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& initialPath, const QString& filter) {
    // The dialog may be given a file path instead of a folder: it then opens in the file's folder.
    QFileDialog dialog(parent, QString(), initialPath, ToQtFileFilter(filter));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QFileInfo initial(initialPath);
    if (initial.isFile()) {
        dialog.setDirectory(initial.absolutePath());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
