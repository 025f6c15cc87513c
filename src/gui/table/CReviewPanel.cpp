#include "gui/table/CReviewPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "gui/app/QtText.h"
#include "gui/common/ReviewFormat.h"
#include "gui/common/ReviewTexts.h"
#include "gui/table/CReferenceAuctionGrid.h"

namespace {

// Declarers in the order of the table's rows.
constexpr int kDeclarers[] = {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST};
constexpr int kGridRowHeight = 16;

QString Bold(const QString& text) {
    return QStringLiteral("<b>%1</b>").arg(text);
}

QString SeatLetter(int seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return FromBytes(name.substr(0, 1));
}

// A number coloured by its sign: green for a gain, red for a loss.
QString SignedHtml(int value) {
    const char* colour = value > 0 ? "#008000" : value < 0 ? "#dc0000" : "#000000";
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(QLatin1String(colour), SignedNumber(value));
}

QString ResultLine(const QString& who, const ResultShown& result) {
    return Bold(who) + QStringLiteral(" ") + ContractHtml(result.contract) +
           (result.contract.level == 0 ? QString() : QStringLiteral(": ") + ResultText(result));
}

}  // namespace

CReviewPanel::CReviewPanel(QWidget* parent)
    : QFrame(parent),
      m_status(nullptr),
      m_tricksTable(nullptr),
      m_par(nullptr),
      m_reached(nullptr),
      m_imps(nullptr),
      m_referenceTitle(nullptr),
      m_referenceGrid(nullptr),
      m_referenceNote(nullptr),
      m_referenceResult(nullptr) {
    setObjectName(QStringLiteral("reviewPanel"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);

    m_status = AddLabel("reviewStatus");
    m_status->setAlignment(Qt::AlignCenter);
    m_tricksTable = MakeTricksTable();
    layout->addWidget(m_status);
    layout->addWidget(m_tricksTable);
    m_par = AddLabel("reviewPar");
    m_reached = AddLabel("reviewReached");
    m_imps = AddLabel("reviewImps");
    m_referenceTitle = AddLabel("reviewReferenceTitle");
    m_referenceTitle->setText(Bold(ReviewText(IDS_REVIEW_REFERENCE)));
    m_referenceGrid = new CReferenceAuctionGrid(this);
    m_referenceNote = AddLabel("reviewReferenceNote");
    m_referenceResult = AddLabel("reviewReferenceResult");
    for (QWidget* widget :
         {static_cast<QWidget*>(m_par), static_cast<QWidget*>(m_reached),
          static_cast<QWidget*>(m_imps), static_cast<QWidget*>(m_referenceTitle),
          static_cast<QWidget*>(m_referenceGrid), static_cast<QWidget*>(m_referenceNote),
          static_cast<QWidget*>(m_referenceResult)}) {
        layout->addWidget(widget);
    }
    layout->addStretch();
    Show(ReviewDisplay{});
}

CReviewPanel::~CReviewPanel() = default;

QLabel* CReviewPanel::AddLabel(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QWidget* CReviewPanel::MakeTricksTable() {
    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("reviewTricks"));
    table->setToolTip(ReviewText(IDS_REVIEW_TABLE_CAPTION));
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    const auto cell = [table](const QString& text, const QString& name) {
        auto* label = new QLabel(text, table);
        label->setObjectName(name);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(26);
        label->setAutoFillBackground(true);
        return label;
    };
    auto* caption = cell(Bold(ReviewText(IDS_REVIEW_TABLE_CAPTION)), QString());
    caption->setWordWrap(true);
    grid->addWidget(caption, 0, 0, 1, kReviewStrainCount + 1);
    for (int strain = 0; strain < kReviewStrainCount; ++strain) {
        grid->addWidget(cell(Bold(StrainHtml(strain)), QString()), 1, strain + 1);
    }
    int row = 2;
    for (int seat : kDeclarers) {
        grid->addWidget(cell(Bold(SeatLetter(seat)), QString()), row, 0);
        for (int strain = 0; strain < kReviewStrainCount; ++strain) {
            QLabel* tricks = cell(QString(), QStringLiteral("tricks%1%2").arg(seat).arg(strain));
            m_tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] = tricks;
            grid->addWidget(tricks, row, strain + 1);
        }
        ++row;
    }
    return table;
}

void CReviewPanel::Show(const ReviewDisplay& review) {
    m_review = review;
    using State = ReviewDisplay::State;
    const bool ready = review.state == State::Ready;
    switch (review.state) {
        case State::Hidden:
            m_status->setText(ReviewText(IDS_REVIEW_WAITING));
            break;
        case State::Analysing:
            m_status->setText(ReviewText(IDS_REVIEW_ANALYSING));
            break;
        case State::Unanalysable:
            m_status->setText(ReviewText(IDS_REVIEW_CANNOT).arg(FromBytes(review.reason)));
            break;
        case State::Ready:
            break;
    }
    m_status->setVisible(!ready);
    for (QWidget* part : {m_tricksTable, static_cast<QWidget*>(m_par),
                          static_cast<QWidget*>(m_reached), static_cast<QWidget*>(m_imps)}) {
        part->setVisible(ready);
    }
    if (ready) {
        ShowTricks();
        ShowResults();
    }
    ShowReference();
}

void CReviewPanel::ShowTricks() {
    const ContractShown& contract = m_review.reached.contract;
    for (std::size_t seat = 0; seat < m_tricks.size(); ++seat) {
        for (std::size_t strain = 0; strain < m_tricks[seat].size(); ++strain) {
            QLabel* label = m_tricks[seat][strain];
            const bool reached = contract.level != 0 &&
                                 contract.declarer == static_cast<int>(seat) &&
                                 contract.strain == static_cast<int>(strain);
            const QString tricks = QString::number(m_review.tricks[seat][strain]);
            label->setText(reached ? Bold(tricks) : tricks);
            // The contract reached stands out; the rest sits on the table's own background.
            QPalette colours = palette();
            colours.setColor(QPalette::Window,
                             reached ? QColor(255, 236, 150) : palette().color(QPalette::Base));
            label->setPalette(colours);
        }
    }
}

void CReviewPanel::ShowResults() {
    QStringList contracts;
    for (const std::string& contract : m_review.parContracts) {
        contracts << ParContractHtml(contract);
    }
    m_par->setText(Bold(ReviewText(IDS_REVIEW_PAR)) + QStringLiteral(" ") +
                   SignedHtml(m_review.parScore) +
                   (contracts.isEmpty() ? QString() : QStringLiteral(": ") + contracts.join("; ")));
    m_reached->setText(ResultLine(ReviewText(IDS_REVIEW_CONTRACT), m_review.reached));
    m_imps->setText(Bold(ReviewText(IDS_REVIEW_IMPS)) + QStringLiteral(" ") +
                    SignedHtml(m_review.imps));
}

void CReviewPanel::ShowReference() {
    const bool shown =
        m_review.state == ReviewDisplay::State::Ready && m_review.reference.has_value();
    for (QWidget* part :
         {static_cast<QWidget*>(m_referenceTitle), static_cast<QWidget*>(m_referenceGrid),
          static_cast<QWidget*>(m_referenceNote), static_cast<QWidget*>(m_referenceResult)}) {
        part->setVisible(shown);
    }
    if (!shown) {
        m_referenceGrid->SetReference(nullptr, -1);
        m_referenceAuction.reset();
        return;
    }
    const ReferenceShown& reference = *m_review.reference;
    auto auction = std::make_unique<CAuction>(nullptr);
    auction->AppendPlaceholders(reference.firstSeat);
    const int placeholders = auction->GetCallCount();
    QStringList notes;
    for (const ReferenceCallShown& entry : reference.calls) {
        CCall* call = auction->AppendCall(entry.code);
        if (!entry.note.empty()) {
            call->AppendNote(entry.note, true);
            notes << Bold(CallHtml(entry.code)) + QStringLiteral(": ") +
                         FromBytes(entry.note).toHtmlEscaped();
        }
    }
    m_referenceAuction = std::move(auction);
    m_referenceGrid->SetReference(
        m_referenceAuction.get(),
        reference.departure < 0 ? -1 : placeholders + reference.departure);
    const int rows = m_referenceGrid->RowCount() + 1;  // and the heading
    m_referenceGrid->setFixedHeight(rows * kGridRowHeight + 2 * m_referenceGrid->frameWidth());

    QString note = reference.departure < 0 ? ReviewText(IDS_REVIEW_SAME_AUCTION)
                                           : ReviewText(IDS_REVIEW_DEPARTURE);
    if (!notes.isEmpty()) {
        note += QStringLiteral("<br>") + notes.join(QStringLiteral("<br>"));
    }
    m_referenceNote->setText(note);
    m_referenceResult->setText(
        reference.result ? ResultLine(ReviewText(IDS_REVIEW_REFERENCE_CONTRACT), *reference.result)
                         : ReviewText(IDS_REVIEW_REFERENCE_INCOMPLETE));
}
