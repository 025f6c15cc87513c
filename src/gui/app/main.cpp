#include <QApplication>

#include "gui/app/CLorvaneApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CLorvaneApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
