#include <QApplication>

int RunShellTests(int argc, char** argv);
int RunTreeViewTests(int argc, char** argv);

namespace {
// The offscreen platform warns about every top-level window; nothing else is dropped.
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.contains(QLatin1String("propagateSizeHints"))) {
        return;
    }
    qt_message_output(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    qInstallMessageHandler(DropPlatformNoise);
    int failures = 0;
    failures += RunShellTests(argc, argv);
    failures += RunTreeViewTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
