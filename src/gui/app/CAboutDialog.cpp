#include "gui/app/CAboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "core/items/ItemIds.h"
#include "gui/common/AppStrings.h"
#include "gui/images/Pictures.h"

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(AppString(IDS_ABOUT_CAPTION));
    auto* icon = new QLabel(this);
    icon->setPixmap(PictureIcon(IDB_DEALS).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(AppString(IDS_ABOUT_TEXT).arg(QStringLiteral(LORVANE_VERSION)), this);
    name->setObjectName(QStringLiteral("aboutText"));
    name->setTextFormat(Qt::PlainText);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* lines = new QLabel(AppString(IDS_ABOUT_LINES), this);
    lines->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(name, 0, 1);
    layout->addWidget(lines, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
