#include "gui/review/CSessionReviewDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/Seats.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"
#include "gui/common/QtText.h"
#include "gui/common/ReviewFormat.h"
#include "gui/common/TextPrinting.h"
#include "gui/review/CSessionReviewModel.h"
#include "gui/review/SessionReviewTexts.h"

namespace {

QPushButton* AddButton(QDialogButtonBox& box, unsigned textId, const char* name) {
    auto* button = box.addButton(SessionReviewText(textId), QDialogButtonBox::ActionRole);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// A progress in the status bar that leaves the cursor alone: the analysis runs while the
// person works on.
class CBackgroundProgress : private IStatusDisplay {
public:
    CBackgroundProgress(IStatusDisplay& display, const std::string& text, int total)
        : m_display(display), m_progress(this, text, total, 0) {}
    void SetPos(int done) { m_progress.SetPos(done); }

private:
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::string GetStatusText() const override { return m_display.GetStatusText(); }
    void SetStatusText(const std::string& text) override { m_display.SetStatusText(text); }
    void ShowProgressBar() override { m_display.ShowProgressBar(); }
    void SetProgressPercent(int percent) override { m_display.SetProgressPercent(percent); }
    void HideProgressBar() override { m_display.HideProgressBar(); }

    IStatusDisplay& m_display;
    CStatusProgress m_progress;  // after the display it talks to
};

CSessionReviewDialog::CSessionReviewDialog(CBiddingList& session, CAnalysisService& service,
                                           QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_service(service),
      m_model(new CSessionReviewModel(session, service, this)),
      m_sorted(new QSortFilterProxyModel(this)),
      m_view(new QTableView(this)),
      m_totals(new QLabel(this)),
      m_player(new QComboBox(this)) {
    setObjectName(QStringLiteral("sessionReview"));
    setWindowTitle(SessionReviewText(IDS_SESSION_REVIEW_TITLE).arg(FromBytes(session.GetName())));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(CSessionReviewModel::SortRole);
    m_view->setObjectName(QStringLiteral("sessionReviewTable"));
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CSessionReviewModel::ColumnBoard, Qt::AscendingOrder);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenDeal(index.row()); });

    m_totals->setObjectName(QStringLiteral("sessionReviewTotals"));
    m_player->setObjectName(QStringLiteral("sessionReviewPlayer"));
    m_player->addItem(FromBytes(session.GetSelectNorthText()).remove(QLatin1Char('&')), SEAT_NORTH);
    m_player->addItem(FromBytes(session.GetSelectSouthText()).remove(QLatin1Char('&')), SEAT_SOUTH);
    m_player->addItem(SessionReviewText(IDS_SESSION_REVIEW_ALL_HANDS), -1);
    m_player->setCurrentIndex(2);
    auto* playerLabel = new QLabel(SessionReviewText(IDS_SESSION_REVIEW_OPEN_AS), this);
    playerLabel->setBuddy(m_player);

    auto* buttons = new QDialogButtonBox(this);
    connect(AddButton(*buttons, IDS_SESSION_REVIEW_COPY, "copyButton"), &QPushButton::clicked, this,
            &CSessionReviewDialog::Copy);
    connect(AddButton(*buttons, IDS_SESSION_REVIEW_PRINT, "printButton"), &QPushButton::clicked,
            this, [this] { Print(false); });
    connect(AddButton(*buttons, IDS_SESSION_REVIEW_PREVIEW, "previewButton"), &QPushButton::clicked,
            this, [this] { Print(true); });
    QPushButton* close = buttons->addButton(SessionReviewText(IDS_SESSION_REVIEW_CLOSE),
                                            QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(playerLabel);
    bottom->addWidget(m_player);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(m_totals);
    layout->addLayout(bottom);

    ShowReferenceColumns();
    FitColumns();
    ShowTotals();

    connect(&m_service, &CAnalysisService::Analysed, this, &CSessionReviewDialog::OnAnalysed);
    connect(&m_service, &CAnalysisService::Progress, this, &CSessionReviewDialog::OnProgress);
    connect(&m_service, &CAnalysisService::Finished, this, &CSessionReviewDialog::OnFinished);
    std::vector<CDeal*> deals(m_model->Deals().begin(), m_model->Deals().end());
    if (IStatusDisplay* display = GetStatusDisplay()) {
        m_progress = std::make_unique<CBackgroundProgress>(
            *display,
            ToBytes(
                SessionReviewText(IDS_SESSION_REVIEW_PROGRESS).arg(FromBytes(session.GetName()))),
            static_cast<int>(deals.size()));
    }
    m_job = m_service.Request(deals);
}

CSessionReviewDialog::~CSessionReviewDialog() {
    m_service.Cancel(m_job);
}

void CSessionReviewDialog::OnAnalysed(const std::string& key) {
    m_model->RefreshAnalysed(key);
    ShowReferenceColumns();
    ShowTotals();
}

void CSessionReviewDialog::ShowReferenceColumns() {
    const bool any = m_model->HasReference();
    for (int column :
         {CSessionReviewModel::ColumnReference, CSessionReviewModel::ColumnReferenceImps}) {
        m_view->setColumnHidden(column, !any);
    }
}

void CSessionReviewDialog::FitColumns() {
    m_view->resizeColumnsToContents();
    const int wanted = m_view->horizontalHeader()->length() + 2 * m_view->frameWidth() +
                       m_view->verticalScrollBar()->sizeHint().width() + 24;
    resize(std::max(width(), std::min(wanted, 1200)), std::max(height(), 420));
}

void CSessionReviewDialog::OnProgress(CAnalysisService::JobId job, int done, int) {
    if (job == m_job && m_progress) {
        m_progress->SetPos(done);
    }
}

void CSessionReviewDialog::OnFinished(CAnalysisService::JobId job) {
    if (job == m_job) {
        m_progress.reset();
        FitColumns();
    }
}

QString CSessionReviewDialog::TotalsText() const {
    const SessionReviewTotals totals = m_model->Totals();
    QString text =
        totals.completeDeals == 1
            ? SessionReviewText(IDS_SESSION_REVIEW_TOTAL_ONE).arg(SignedNumber(totals.imps))
            : SessionReviewText(IDS_SESSION_REVIEW_TOTAL)
                  .arg(SignedNumber(totals.imps))
                  .arg(totals.completeDeals);
    if (totals.withReference > 0) {
        text += QStringLiteral("; ") + SessionReviewText(IDS_SESSION_REVIEW_REACHED)
                                           .arg(totals.reachedReference)
                                           .arg(totals.withReference);
    }
    return text;
}

void CSessionReviewDialog::ShowTotals() {
    m_totals->setText(TotalsText());
}

std::string CSessionReviewDialog::TableText(bool tabs) const {
    std::vector<int> columns;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (!m_view->isColumnHidden(column)) {
            columns.push_back(column);
        }
    }
    // The heading, then the rows in the order shown.
    std::vector<QStringList> lines(1);
    for (int column : columns) {
        lines[0] << m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    for (int shown = 0; shown < m_sorted->rowCount(); ++shown) {
        const int row = m_sorted->mapToSource(m_sorted->index(shown, 0)).row();
        QStringList& cells = lines.emplace_back();
        for (int column : columns) {
            cells << m_model->CellText(row, column);
        }
    }
    std::vector<qsizetype> widths(columns.size(), 0);
    for (const QStringList& line : lines) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            widths[i] = std::max(widths[i], line[static_cast<qsizetype>(i)].size());
        }
    }
    QString text;
    for (QStringList& line : lines) {
        if (!tabs) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                QString& cell = line[static_cast<qsizetype>(i)];
                cell = cell.leftJustified(widths[i]);
            }
        }
        text += line.join(tabs ? QStringLiteral("\t") : QStringLiteral("  ")).trimmed() +
                QStringLiteral("\r\n");
    }
    text += TotalsText() + QStringLiteral("\r\n");
    return ToBytes(text);
}

void CSessionReviewDialog::Copy() {
    SetClipboardText(TableText(true));
}

void CSessionReviewDialog::Print(bool preview) {
    const std::string text = ToBytes(windowTitle()) + "\r\n\r\n" + TableText(false);
    PrintItemText(this, windowTitle(), text, preview ? PrintMode::Preview : PrintMode::Dialog);
}

void CSessionReviewDialog::OpenDeal(int shownRow) {
    const QModelIndex source = m_sorted->mapToSource(m_sorted->index(shownRow, 0));
    if (!source.isValid()) {
        return;
    }
    CBiddingDeal* deal = m_model->Deals()[static_cast<std::size_t>(source.row())];
    deal->SetStartPlayer(m_player->currentData().toInt());
    deal->Open();
    deal->SetStartPlayer(-1);  // when no dialog took it
    m_model->RefreshDeal(source.row());
    ShowTotals();
}

bool CanReviewSession(const CTreeItem* selected) {
    const auto* session = dynamic_cast<const CBiddingList*>(selected);
    return session != nullptr && session->GetChildCount() > 0;
}

void ReviewSession(CTreeItem* selected, QWidget* parent) {
    auto* session = dynamic_cast<CBiddingList*>(selected);
    if (session == nullptr) {
        return;
    }
    CAnalysisService* service = CAnalysisService::Installed();
    if (service == nullptr) {
        ShowMessage(ToBytes(SessionReviewText(IDS_SESSION_REVIEW_NO_SOLVER)), MessageIcon::Stop);
        return;
    }
    CSessionReviewDialog dialog(*session, *service, parent);
    dialog.exec();
}
