#include "gui/app/CQtPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

#include "gui/common/AppStrings.h"
#include "gui/common/QtText.h"

namespace {
QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString PatternsWithUpperCase(const QString& patterns) {
    QStringList all;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        all.append(trimmed);
        if (trimmed.toUpper() != trimmed) {
            all.append(trimmed.toUpper());
        }
    }
    return all.join(QLatin1Char(' '));
}

bool RunFileDialog(const FileChoice& choice, std::string& path, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && choice.mustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    if (!choice.confirmOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    const QString filters = ToQtNameFilters(choice.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters.split(QStringLiteral(";;")));
        // The descriptions name their patterns already; Qt's list adds the upper-case ones.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
    }
    if (!choice.defaultExtension.empty() &&
        choice.defaultExtension.find('*') == std::string::npos) {
        dialog.setDefaultSuffix(FromBytes(choice.defaultExtension));
    }
    if (!path.empty()) {
        dialog.selectFile(FromBytes(path));
    }
    QCheckBox* option = nullptr;
    if (choice.option != nullptr) {
        // The desktop's own dialog takes no extra controls: Qt's dialog then.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        option = new QCheckBox(FromBytes(choice.optionText), &dialog);
        option->setObjectName(QStringLiteral("fileDialogOption"));
        option->setChecked(*choice.option);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            grid->addWidget(option, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    if (option != nullptr) {
        *choice.option = option->isChecked();
    }
    path = dialog.selectedFiles().first().toStdString();  // a path in the file system's own bytes
    return true;
}
}  // namespace

QString ToQtNameFilters(const std::string& filter) {
    const QStringList parts = FromBytes(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = PatternsWithUpperCase(parts[i + 1]);
        if (description.isEmpty() || patterns.isEmpty()) {
            break;  // the "||" that ends the list
        }
        filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

MessageAnswer CQtPrompts::ShowMessage(const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), AppString(IDS_APP_TITLE), FromBytes(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:  // closed without a button
            return UnansweredMessage(buttons);
    }
}

bool CQtPrompts::ChooseOpenFile(const FileChoice& choice, std::string& path) {
    return RunFileDialog(choice, path, QFileDialog::AcceptOpen);
}

bool CQtPrompts::ChooseSaveFile(const FileChoice& choice, std::string& path) {
    return RunFileDialog(choice, path, QFileDialog::AcceptSave);
}

bool CQtPrompts::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    // Lines end in LF on this desktop.
    QString shown = FromBytes(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard->setText(shown);
    return true;
}
