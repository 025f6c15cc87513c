#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The note of one call (dialog 251, "Edit Comment"). OK stays disabled until the text is
// first changed; Enter starts a new line; Escape and Cancel discard.
class CEditCommentDialog : public QDialog {
    Q_OBJECT

public:
    explicit CEditCommentDialog(QWidget* parent = nullptr);

    // The title names the call: "Edit Comment: 2♣ by North".
    void SetCallName(const QString& call, const QString& seat);
    // Lines joined by "\r\n", as notes are kept.
    void SetCommentText(const QString& text);
    QString GetCommentText() const { return m_text; }
    bool IsChanged() const { return m_changed; }

    void accept() override;

private:
    void OnTextChanged();

    QString m_text;
    bool m_changed = false;
    QPlainTextEdit* m_edit;
    QPushButton* m_ok;
};
