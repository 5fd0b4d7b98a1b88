#include <QGuiApplication>

#include "cli/kvo.h"

namespace {

// The tool's contract is one line on standard error per failure; Qt's own notes (a missing runtime
// folder and the like) would only get in the way of scripts reading it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "kvo: %s\n", qPrintable(message));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    PrepareHeadlessPlatform();
    QGuiApplication app(argc, argv);
    return RunKvo(QGuiApplication::arguments().mid(1), stdout, stderr);
}
