#include "gui/table/CReviewPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "gui/common/QtText.h"
#include "gui/common/ReviewFormat.h"
#include "gui/common/ReviewTexts.h"
#include "gui/table/CReferenceAuctionGrid.h"

namespace {

QString Letter(int seat) {
    return QString(QLatin1Char(SeatLetter(seat)));
}

// Declarers in the order of the table's rows.
constexpr int kDeclarers[] = {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST};
constexpr int kGridRowHeight = 16;
const QColor kReachedCell(255, 226, 120);

QString Bold(const QString& text) {
    return QStringLiteral("<b>%1</b>").arg(text);
}

// A number coloured by its sign: green for a gain, red for a loss.
QString SignedHtml(int value) {
    const char* colour = value > 0 ? "#008000" : value < 0 ? "#dc0000" : "#000000";
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(QLatin1String(colour), SignedNumber(value));
}

// The result goes on a line of its own, so that a long contract never splits it.
QString ContractWords(const ResultShown& result) {
    const QString made = MadeText(result);
    return ContractHtml(result.contract) +
           (made.isEmpty() ? QString() : QStringLiteral("<br>") + made);
}

QFrame* Rule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return rule;
}

}  // namespace

CReviewPanel::CReviewPanel(QWidget* parent)
    : QFrame(parent),
      m_status(nullptr),
      m_results(new QWidget(this)),
      m_reference(new QWidget(this)),
      m_referenceGrid(nullptr),
      m_referenceNote(nullptr) {
    setObjectName(QStringLiteral("reviewPanel"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_status = MakeLabel(QStringLiteral("reviewStatus"));
    m_status->setAlignment(Qt::AlignCenter);

    auto* results = new QVBoxLayout(m_results);
    results->setContentsMargins(0, 0, 0, 0);
    results->addWidget(MakeLabel({}, Bold(ReviewText(IDS_REVIEW_TABLE_CAPTION))));
    results->addWidget(MakeTricksTable());
    results->addWidget(Rule(m_results));
    auto* lines = new QGridLayout;
    lines->setColumnStretch(1, 1);
    m_reached = AddResultLine(*lines, "reviewReached", IDS_REVIEW_CONTRACT);
    m_par = AddResultLine(*lines, "reviewPar", IDS_REVIEW_PAR);
    m_imps = AddResultLine(*lines, "reviewImps", IDS_REVIEW_IMPS);
    results->addLayout(lines);
    QLabel* scoresFor = MakeLabel({}, ReviewText(IDS_REVIEW_SCORES_FOR));
    scoresFor->setForegroundRole(QPalette::PlaceholderText);
    results->addWidget(scoresFor);

    auto* reference = new QVBoxLayout(m_reference);
    reference->setContentsMargins(0, 0, 0, 0);
    reference->addWidget(Rule(m_reference));
    reference->addWidget(MakeLabel({}, Bold(ReviewText(IDS_REVIEW_REFERENCE))));
    m_referenceGrid = new CReferenceAuctionGrid(m_reference);
    reference->addWidget(m_referenceGrid);
    m_referenceNote = MakeLabel(QStringLiteral("reviewReferenceNote"));
    reference->addWidget(m_referenceNote);
    auto* referenceLines = new QGridLayout;
    referenceLines->setColumnStretch(1, 1);
    m_referenceResult =
        AddResultLine(*referenceLines, "reviewReferenceResult", IDS_REVIEW_REFERENCE_CONTRACT);
    reference->addLayout(referenceLines);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(m_status);
    layout->addWidget(m_results);
    layout->addWidget(m_reference);
    layout->addStretch();
    Show(ReviewDisplay{});
}

CReviewPanel::~CReviewPanel() = default;

QLabel* CReviewPanel::MakeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

CReviewPanel::ResultLine CReviewPanel::AddResultLine(QGridLayout& grid, const char* name,
                                                     unsigned headingId) {
    const int row = grid.rowCount();
    ResultLine line{MakeLabel({}, Bold(ReviewText(headingId))), MakeLabel(QLatin1String(name)),
                    MakeLabel(QLatin1String(name) + QStringLiteral("Score"))};
    line.heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line.score->setAlignment(Qt::AlignRight | Qt::AlignTop);
    line.score->setWordWrap(false);
    grid.addWidget(line.heading, row, 0);
    grid.addWidget(line.words, row, 1);
    grid.addWidget(line.score, row, 2);
    return line;
}

QWidget* CReviewPanel::MakeTricksTable() {
    auto* table = new QWidget(this);
    table->setObjectName(QStringLiteral("reviewTricks"));
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const auto cell = [table](const QString& text, const QString& name, bool filled) {
        auto* label = new QLabel(text, table);
        label->setObjectName(name);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumSize(28, 20);
        label->setAutoFillBackground(filled);
        label->setBackgroundRole(QPalette::Base);
        return label;
    };
    for (int strain = 0; strain < kReviewStrainCount; ++strain) {
        grid->addWidget(cell(Bold(StrainHtml(strain)), QString(), false), 0, strain + 1);
    }
    int row = 1;
    for (int seat : kDeclarers) {
        grid->addWidget(cell(Bold(Letter(seat)), QString(), false), row, 0);
        for (int strain = 0; strain < kReviewStrainCount; ++strain) {
            QLabel* tricks =
                cell(QString(), QStringLiteral("tricks%1%2").arg(seat).arg(strain), true);
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
    m_results->setVisible(ready);
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
            // The contract reached stands out.
            QPalette colours = palette();
            colours.setColor(QPalette::Base,
                             reached ? kReachedCell : palette().color(QPalette::Base));
            label->setPalette(colours);
        }
    }
}

void CReviewPanel::ShowResults() {
    m_reached.words->setText(ContractWords(m_review.reached));
    m_reached.score->setText(SignedHtml(m_review.reached.score));
    QStringList contracts;
    for (const std::string& contract : m_review.parContracts) {
        contracts << ParContractHtml(contract);
    }
    m_par.words->setText(contracts.join(QStringLiteral("; ")));
    m_par.score->setText(SignedHtml(m_review.parScore));
    m_imps.score->setText(Bold(SignedHtml(m_review.imps)));
}

void CReviewPanel::ShowReference() {
    const bool shown =
        m_review.state == ReviewDisplay::State::Ready && m_review.reference.has_value();
    m_reference->setVisible(shown);
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

    notes.prepend(reference.departure < 0 ? ReviewText(IDS_REVIEW_SAME_AUCTION)
                                          : ReviewText(IDS_REVIEW_DEPARTURE));
    m_referenceNote->setText(notes.join(QStringLiteral("<br>")));
    if (reference.result.complete) {
        m_referenceResult.words->setText(ContractWords(reference.result));
        m_referenceResult.score->setText(SignedHtml(reference.result.score));
    } else {
        m_referenceResult.words->setText(ReviewText(IDS_REVIEW_REFERENCE_INCOMPLETE));
        m_referenceResult.score->clear();
    }
}
