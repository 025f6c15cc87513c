#include "gui/bidding/CBiddingListPSGeneral.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CBiddingList.h"
#include "gui/bidding/BiddingSheetIds.h"
#include "gui/bidding/CBiddingListPS.h"
#include "gui/bidding/RadioGroup.h"
#include "gui/common/QtText.h"

CBiddingListPSGeneral::CBiddingListPSGeneral(QWidget* parent)
    : CBiddingListPage(QStringLiteral("General"), IDD_BIDDING_LIST_GENERAL, parent) {
    setObjectName(QStringLiteral("generalPage"));
    auto* general = new QGroupBox(QStringLiteral("General"), this);
    auto* generalLayout = new QFormLayout(general);
    m_nameEdit = NewPageControl<QLineEdit>(IDC_SESSION_NAME, general);
    generalLayout->addRow(QStringLiteral("&Bidding session name:"), m_nameEdit);

    m_startBidding = new CRadioGroup(QStringLiteral("Start bidding immediately"),
                                     {{IDC_DO_NOT_START, "&Do not start bidding"},
                                      {IDC_SELECT_NORTH_AT_START, "Select N&orth"},
                                      {IDC_SELECT_SOUTH_AT_START, "Select So&uth"}},
                                     this);

    auto* participants = new QGroupBox(QStringLiteral("Participants"), this);
    auto* participantsLayout = new QFormLayout(participants);
    m_northEdit = NewPageControl<QLineEdit>(IDC_NORTH_NAME, participants);
    m_southEdit = NewPageControl<QLineEdit>(IDC_SOUTH_NAME, participants);
    participantsLayout->addRow(QStringLiteral("&North:"), m_northEdit);
    participantsLayout->addRow(QStringLiteral("&South:"), m_southEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(m_startBidding);
    layout->addWidget(participants);
    layout->addStretch();

    connect(m_northEdit, &QLineEdit::textChanged, this, &CBiddingListPSGeneral::UpdateFinish);
    connect(m_southEdit, &QLineEdit::textChanged, this, &CBiddingListPSGeneral::UpdateFinish);
}

void CBiddingListPSGeneral::LoadFields(const CBiddingList& session) {
    const int mode = Sheet()->GetMode();
    m_name = mode == PROPERTIES_MODE_PROPERTIES ? session.GetName() : session.GetNewName();
    m_startBiddingValue = session.GetStartBidding();
    m_north = session.GetNorthName();
    m_south = session.GetSouthName();
    // Options edit the defaults of new sessions, which have no name of their own; a session's
    // start-bidding choice only matters when it is inserted.
    m_nameEdit->setEnabled(mode == PROPERTIES_MODE_PROPERTIES || mode == PROPERTIES_MODE_INSERT);
    m_startBidding->SetButtonsEnabled(mode != PROPERTIES_MODE_PROPERTIES);
}

bool CBiddingListPSGeneral::Store(CBiddingList* session) {
    if (Sheet()->GetMode() == PROPERTIES_MODE_PROPERTIES) {
        session->SetName(m_name);
    } else {
        session->SetNewName(m_name);
    }
    session->SetStartBidding(m_startBiddingValue);
    session->SetNorthName(m_north);
    session->SetSouthName(m_south);
    return true;
}

bool CBiddingListPSGeneral::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_north = ToBytes(m_northEdit->text());
        m_south = ToBytes(m_southEdit->text());
        m_name = ToBytes(m_nameEdit->text());
        m_startBiddingValue = m_startBidding->Value();
    } else {
        const QSignalBlocker northBlocker(m_northEdit);
        const QSignalBlocker southBlocker(m_southEdit);
        m_northEdit->setText(FromBytes(m_north));
        m_southEdit->setText(FromBytes(m_south));
        m_nameEdit->setText(FromBytes(m_name));
        m_startBidding->SetValue(m_startBiddingValue);
    }
    return true;
}

bool CBiddingListPSGeneral::OnKillActive() {
    UpdateData(true);
    // A session renamed here keeps to the naming rule of the tree: a name that is empty or
    // that a sibling has is refused with the tree's message, and the sheet stays open.
    CBiddingList* session = Session();
    if (Sheet() != nullptr && Sheet()->GetMode() == PROPERTIES_MODE_PROPERTIES &&
        session != nullptr && m_name != session->GetName() &&
        !session->IsNameValid(m_name, session->GetTreeParent(), 1)) {
        m_nameEdit->setFocus();
        m_nameEdit->selectAll();
        return false;
    }
    return true;
}

void CBiddingListPSGeneral::OnSetActive() {
    UpdateFinish();
}

void CBiddingListPSGeneral::UpdateFinish() {
    if (Sheet() == nullptr) {
        return;
    }
    UpdateData(true);
    Sheet()->EnableFinish(Sheet()->GetMode() == PROPERTIES_MODE_OPTIONS ||
                          (!m_north.empty() && !m_south.empty()));
}
