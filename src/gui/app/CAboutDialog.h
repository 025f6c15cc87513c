#pragma once

#include <QDialog>

// The About box: the program's icon, name and version.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
