#include <QApplication>
#include <QMessageBox>

#include "app/mainform.h"
#include "app/qtdialogs.h"
#include "common/programfolder.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KvarelOrder"));
    QtDialogs dialogs;
    TMainForm mainForm(dialogs, DefaultProgramFolder());
    mainForm.show();
    return QApplication::exec();
}
