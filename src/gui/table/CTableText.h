#pragma once

#include <QPlainTextEdit>

// A text of the bidding table (a player's name and instruction, the defenders' texts, the
// deal in words): it looks like a label on the dialog, wraps its lines, and scrolls when it
// holds more than its place shows.
class CTableText : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CTableText(QWidget* parent = nullptr);
};
