#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/mainform.h"
#include "app/qtdialogs.h"
#include "common/programfolder.h"

namespace {

void ReportUnexpected(const char* what) {
    QMessageBox::critical(nullptr, QStringLiteral("Ошибка"),
                          QStringLiteral("Непредвиденная ошибка: %1").arg(QString::fromLocal8Bit(what)));
}

// An error that escapes a handler is shown to the user and the program goes on.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ReportUnexpected(error.what());
        } catch (...) {
            ReportUnexpected("");
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KvarelOrder"));
    try {
        QtDialogs dialogs;
        TMainForm mainForm(dialogs, DefaultProgramFolder());
        mainForm.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ReportUnexpected(error.what());
    }
    return 1;
}
