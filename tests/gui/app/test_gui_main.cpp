#include <QApplication>

int RunShellTests(int argc, char** argv);
int RunTreeViewTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    int failures = 0;
    failures += RunShellTests(argc, argv);
    failures += RunTreeViewTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
