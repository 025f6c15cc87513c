#include "gui/table/CBiddingDialog.h"

#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "core/bidding/CBiddingDeal.h"
#include "core/platform/GeneralOptions.h"
#include "core/table/CBiddingTable.h"
#include "gui/common/CHelpWindow.h"
#include "gui/common/QtText.h"
#include "gui/grid/DialogFont.h"
#include "gui/images/Pictures.h"
#include "gui/table/BiddingDialogLayout.h"
#include "gui/table/CAuctionGrid.h"
#include "gui/table/CDialogUnits.h"
#include "gui/table/CPictureButton.h"
#include "gui/table/CReviewPanel.h"
#include "gui/table/CTableReview.h"
#include "gui/table/CTableText.h"
#include "gui/table/DialogIds.h"
#include "gui/table/DialogPictures.h"
#include "gui/table/TableTexts.h"

namespace {

// The core's texts are bytes with "\r\n" line ends; the controls show lines ending in "\n".
QString Shown(const std::string& bytes) {
    return FromBytes(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string Kept(const QString& text) {
    QString lines = text;
    return ToBytes(lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

bool IsHolding(unsigned id) {
    return id >= IDC_NORTH_SPADES && id <= IDC_LAST_HOLDING;
}

}  // namespace

CBiddingDialog::CBiddingDialog(QWidget* parent)
    : QDialog(parent),
      m_table(std::make_unique<CBiddingTable>(static_cast<IBiddingTableView*>(this))) {
    setObjectName(ControlName(IDD_BIDDING));
    setFont(DialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateControls();
    CHelpWindow::AddHelpKey(this, [] { return IDD_BIDDING; });
}

CBiddingDialog::~CBiddingDialog() = default;

void CBiddingDialog::CreateControls() {
    const CDialogUnits units(font());
    const bool review = ReviewShown().IsOn();
    // The dialog may grow; its contents grow with it (resizeEvent).
    resize(units.ToPixels(kBiddingDialogWidth + (review ? kReviewColumnWidth : 0),
                          kBiddingDialogHeight));
    setMinimumSize(size());
    const auto add = [&](unsigned id, QWidget* control, const ControlPlace& place) {
        control->setGeometry(units.ToPixels(place.x, place.y, place.width, place.height));
        if (id != 0) {
            control->setObjectName(ControlName(id));
            m_controls[id] = control;
        }
    };
    for (const ControlPlace& place : BiddingDialogLayout()) {
        switch (place.kind) {
            case ControlKind::Frame:
            case ControlKind::CompassFrame: {
                auto* frame = new QFrame(this);
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                add(place.id, frame, place);
                break;
            }
            case ControlKind::CompassLetter: {
                auto* letter = new QLabel(TableText(place.textId), this);
                letter->setAlignment(Qt::AlignCenter);
                add(place.id, letter, place);
                break;
            }
            case ControlKind::Holding: {
                auto* holding = new QLineEdit(this);
                holding->setReadOnly(true);
                // Nothing to edit, so Tab passes them by; a click still hands the focus on.
                holding->setFocusPolicy(Qt::ClickFocus);
                holding->installEventFilter(this);
                add(place.id, holding, place);
                break;
            }
            case ControlKind::Text: {
                add(place.id, new CTableText(this), place);
                break;
            }
            case ControlKind::Comment: {
                m_comment = new QPlainTextEdit(this);
                m_comment->setTabChangesFocus(true);
                m_comment->installEventFilter(this);
                m_comment->viewport()->installEventFilter(this);
                connect(m_comment, &QPlainTextEdit::textChanged, this,
                        &CBiddingDialog::OnCommentEdited);
                add(place.id, m_comment, place);
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton(TableText(place.textId), this);
                button->setAutoDefault(false);
                button->setDefault(place.id == IDC_CLOSE);
                const unsigned id = place.id;
                if (id == IDC_HELP_BUTTON) {
                    connect(button, &QPushButton::clicked, this, &CBiddingDialog::ShowHelp);
                } else {
                    connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
                }
                add(place.id, button, place);
                break;
            }
            case ControlKind::Place: {
                auto* marker = new QWidget(this);
                marker->hide();
                add(place.id, marker, place);
                break;
            }
            case ControlKind::Review:
                if (review) {
                    auto* panel = new CReviewPanel(this);
                    m_review = new CTableReview(*panel, this);
                    add(place.id, panel, place);
                }
                break;
        }
    }

    m_grid = new CAuctionGrid(this);
    m_grid->setGeometry(m_controls[IDC_GRID_FRAME]->geometry());
    m_controls[IDC_AUCTION_GRID] = m_grid;

    m_box.Attach(*this, units);
    for (const auto& [id, button] : m_box.Buttons()) {
        m_controls[id] = button;
        connect(button, &QAbstractButton::clicked, this, [this, id = id] { Press(id); });
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        m_placesAtDefaultSize.emplace_back(child, child->geometry());
    }
    m_defaultSize = size();
    m_defaultFont = font();
}

double CBiddingDialog::Scale() const {
    if (m_defaultSize.isEmpty()) {
        return 1.0;
    }
    return std::min(double(width()) / m_defaultSize.width(),
                    double(height()) / m_defaultSize.height());
}

void CBiddingDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_defaultSize.isEmpty()) {
        return;  // still being made
    }
    const double scale = Scale();
    const auto scaled = [scale](int pixels) { return int(std::lround(pixels * scale)); };
    QFont larger = m_defaultFont;
    larger.setPointSizeF(m_defaultFont.pointSizeF() * scale);
    setFont(larger);
    for (const auto& [control, place] : m_placesAtDefaultSize) {
        const QRect at(scaled(place.x()), scaled(place.y()), scaled(place.width()),
                       scaled(place.height()));
        if (qobject_cast<CPictureButton*>(control) != nullptr) {
            control->setFixedSize(at.size());
        }
        control->setGeometry(at);
    }
    m_grid->SetScale(scale);
}

QWidget* CBiddingDialog::Control(unsigned id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void CBiddingDialog::LoadDeal(CBiddingDeal* deal) {
    m_table->LoadDeal(deal);
}

void CBiddingDialog::SaveComment() {
    m_table->SaveComment();
}

void CBiddingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_table->Start();
    }
}

void CBiddingDialog::reject() {
    m_table->Escape();
    if (isVisible()) {
        QDialog::reject();
    }
}

void CBiddingDialog::Press(unsigned controlId) {
    m_table->Press(controlId);
}

void CBiddingDialog::OnCommentEdited() {
    m_table->OnCommentEdited(Kept(m_comment->toPlainText()));
}

void CBiddingDialog::ShowHelp() {
    CHelpWindow::ShowTopic(IDD_BIDDING);
}

bool CBiddingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_comment) {
            m_caretPlaced = false;
            m_table->OnCommentFocus();
            // The press that gave the focus comes next and would move the caret to the
            // click point, away from the player's own name.
            m_keepCaretOnPress =
                m_caretPlaced && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (IsHolding(watched->objectName().toUInt())) {
            m_table->OnHoldingFocus();
        }
    } else if (watched == m_comment->viewport() && event->type() == QEvent::MouseButtonPress &&
               m_keepCaretOnPress) {
        m_keepCaretOnPress = false;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CBiddingDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A border one pixel outside the grid.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(m_grid->geometry().adjusted(-1, -1, 0, 0));
    if (CBiddingDeal* deal = m_table->GetDeal()) {
        PaintDialogPictures(painter, *this, *deal, VulnerabilityInColour().IsOn(), Scale());
    }
}

void CBiddingDialog::EnableControl(unsigned controlId, bool enable) {
    if (QWidget* control = Control(controlId)) {
        control->setEnabled(enable);
    }
}

void CBiddingDialog::SetControlText(unsigned controlId, const std::string& text) {
    QWidget* control = Control(controlId);
    if (control == m_comment && m_comment != nullptr) {
        m_commentBytes = text;
        const QSignalBlocker quiet(m_comment);  // not the user's edit
        m_comment->setPlainText(Shown(text));
    } else if (auto* tableText = qobject_cast<CTableText*>(control)) {
        tableText->setPlainText(Shown(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(Shown(text));
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(Shown(text));
    }
}

void CBiddingDialog::SetControlRed(unsigned controlId, bool red) {
    if (QWidget* control = Control(controlId)) {
        QPalette colours = control->palette();
        const QColor colour = red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText);
        colours.setColor(QPalette::WindowText, colour);
        colours.setColor(QPalette::Text, colour);  // the table's texts draw with this one
        control->setPalette(colours);
    }
}

void CBiddingDialog::SetTitle(const std::string& title) {
    setWindowTitle(FromBytes(title));
}

void CBiddingDialog::SetFocusTo(unsigned controlId) {
    if (QWidget* control = Control(controlId)) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void CBiddingDialog::SetCommentCaret(std::size_t offset) {
    const int position = static_cast<int>(
        Shown(m_commentBytes.substr(0, std::min(offset, m_commentBytes.size()))).size());
    QTextCursor cursor = m_comment->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(m_comment->toPlainText().size())));
    m_comment->setTextCursor(cursor);
    m_comment->ensureCursorVisible();
    m_caretPlaced = true;
}

void CBiddingDialog::RefreshAuction(bool redraw) {
    CBiddingDeal* deal = m_table->GetDeal();
    m_grid->SetAuction(this, deal ? deal->GetAuction() : nullptr);
    if (redraw) {
        m_grid->viewport()->update();
    }
    if (m_review != nullptr) {
        m_review->Update(deal);
    }
}

void CBiddingDialog::RefreshPictures() {
    m_box.Refresh(*this);
    update();  // the suit symbols beside the holdings too
}

void CBiddingDialog::EndDialog() {
    QDialog::done(QDialog::Accepted);
}

void CBiddingDialog::ReplaceNote(int column, int row, const std::string& note) {
    m_table->ReplaceNote(column, row, note);
}

void CBiddingDialog::SetDefaultFocus() {
    m_table->SetDefaultFocus(true);
}
