#include "gui/common/TextPrinting.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "gui/common/QtText.h"

QPrinter& SharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

std::unique_ptr<QTextDocument> MakePrintDocument(const std::string& text) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(10);
    document->setDefaultFont(font);
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    QString shown = FromBytes(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document->setPlainText(shown);
    return document;
}

bool PrintItemText(QWidget* parent, const QString& title, const std::string& text, PrintMode mode) {
    QPrinter& printer = SharedPrinter();
    printer.setDocName(title);
    const std::unique_ptr<QTextDocument> document = MakePrintDocument(text);
    switch (mode) {
        case PrintMode::Dialog: {
            QPrintDialog dialog(&printer, parent);
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
            if (dialog.exec() != QDialog::Accepted) {
                return false;
            }
            document->print(&printer);
            return true;
        }
        case PrintMode::Direct:
            document->print(&printer);
            return true;
        case PrintMode::Preview: {
            QPrintPreviewDialog preview(&printer, parent);
            preview.setWindowTitle(title);
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                             [&document](QPrinter* target) { document->print(target); });
            return preview.exec() == QDialog::Accepted;
        }
    }
    return false;
}

void RunPrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}
