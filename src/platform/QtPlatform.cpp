#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "CQtSettingsStore.h"
#include "core/platform/DataFolder.h"

void InstallQtPlatform() {
    QCoreApplication::setOrganizationName(QStringLiteral("Fendrake"));
    QCoreApplication::setApplicationName(QStringLiteral("Lorvane"));
    static CQtSettingsStore store;
    SetSettingsStore(&store);
    RecheckSettings();  // a program started again in this process reads the file afresh
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    SetDataFolder(folder.toStdString());
}
