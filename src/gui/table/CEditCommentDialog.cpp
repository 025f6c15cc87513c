#include "gui/table/CEditCommentDialog.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/common/CHelpWindow.h"
#include "gui/grid/DialogFont.h"
#include "gui/table/CDialogUnits.h"
#include "gui/table/DialogIds.h"
#include "gui/table/TableTexts.h"

CEditCommentDialog::CEditCommentDialog(QWidget* parent)
    : QDialog(parent), m_edit(new QPlainTextEdit(this)), m_ok(new QPushButton(this)) {
    setObjectName(ControlName(IDD_EDIT_COMMENT));
    setWindowTitle(TableText(IDS_EDIT_COMMENT_TITLE));
    setFont(DialogFont());
    const CDialogUnits units(font());

    m_edit->setObjectName(ControlName(IDC_COMMENT));
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setTabChangesFocus(true);

    m_ok->setObjectName(ControlName(IDOK));
    m_ok->setText(TableText(IDS_OK));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);

    auto* cancel = new QPushButton(TableText(IDS_CANCEL), this);
    cancel->setObjectName(ControlName(IDCANCEL));

    // The note grows with the dialog; the buttons keep their size in the bottom-right corner.
    const QSize button = units.ToPixels(50, 14);
    m_ok->setFixedSize(button);
    cancel->setFixedSize(button);
    const QSize margin = units.ToPixels(7, 7);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->addWidget(m_edit, 1);
    layout->addLayout(buttons);
    resize(units.ToPixels(220, 110));
    setMinimumSize(size() / 2);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_edit, &QPlainTextEdit::textChanged, this, &CEditCommentDialog::OnTextChanged);
    m_edit->setFocus();
    CHelpWindow::AddHelpKey(this, [] { return IDD_EDIT_COMMENT; });
}

void CEditCommentDialog::SetCallName(const QString& call, const QString& seat) {
    setWindowTitle(TableText(IDS_EDIT_COMMENT_CALL_TITLE).arg(call, seat));
}

void CEditCommentDialog::SetCommentText(const QString& text) {
    m_text = text;
    const QSignalBlocker quiet(m_edit);  // filling the box is not the user's change
    QString shown = text;
    m_edit->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CEditCommentDialog::OnTextChanged() {
    if (!m_changed) {
        m_changed = true;
        m_ok->setEnabled(true);
    }
}

void CEditCommentDialog::accept() {
    // A disabled OK cannot be pressed; this guards other ways of accepting, such as a
    // default-button key.
    if (!m_ok->isEnabled()) {
        return;
    }
    m_text = m_edit->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QDialog::accept();
}
