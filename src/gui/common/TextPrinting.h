#pragma once

#include <QString>
#include <memory>
#include <string>

class QPrinter;
class QTextDocument;
class QWidget;

// Printing the text of an item (the text that Copy puts on the clipboard) in a fixed-pitch
// font, on the printer that Print Setup chose for the whole program.
QPrinter& SharedPrinter();

// The text laid out for printing: fixed pitch, tabs every eight characters, lines kept as
// the text has them.
std::unique_ptr<QTextDocument> MakePrintDocument(const std::string& text);

enum class PrintMode { Dialog, Direct, Preview };
// Prints or previews the text. False when the person cancelled or nothing could be printed.
bool PrintItemText(QWidget* parent, const QString& title, const std::string& text, PrintMode mode);
// The printer's page setup dialog.
void RunPrintSetup(QWidget* parent);
