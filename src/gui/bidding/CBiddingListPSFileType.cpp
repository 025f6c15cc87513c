#include "gui/bidding/CBiddingListPSFileType.h"

#include <QVBoxLayout>

#include "core/bidding/CBiddingList.h"
#include "gui/bidding/BiddingSheetIds.h"
#include "gui/bidding/CBiddingListPS.h"
#include "gui/bidding/RadioGroup.h"

CBiddingListPSFileType::CBiddingListPSFileType(QWidget* parent)
    : CBiddingListPage(QStringLiteral("File Type"), IDD_BIDDING_LIST_FILE_TYPE, parent) {
    setObjectName(QStringLiteral("fileTypePage"));
    m_fileTypeGroup = new CRadioGroup(QStringLiteral("Default file type"),
                                      {{IDC_FILE_TYPE_BRIDGE_DA, "&Bridge D/A"},
                                       {IDC_FILE_TYPE_PBN, "&Portable Bridge Notation (PBN)"}},
                                      this);
    // The values follow the buttons' order: line comment 0, brace comment 1, tag value 2.
    m_pbnInfoGroup =
        new CRadioGroup(QStringLiteral("Where can defensive actions be found in PBN files?"),
                        {{IDC_PBN_LINE_COMMENT, "&Line comment"},
                         {IDC_PBN_BRACE_COMMENT, "&Brace comment"},
                         {IDC_PBN_TAG_VALUE, "&Tag pair value"}},
                        this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileTypeGroup);
    layout->addWidget(m_pbnInfoGroup);
    layout->addStretch();
}

void CBiddingListPSFileType::LoadFields(const CBiddingList& session) {
    m_fileType = session.GetFileType();
    m_pbnInfo = session.GetPbnInfo();
}

bool CBiddingListPSFileType::Store(CBiddingList* session) {
    session->SetFileType(m_fileType);
    session->SetPbnInfo(m_pbnInfo);
    return true;
}

bool CBiddingListPSFileType::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_fileType = m_fileTypeGroup->Value();
        m_pbnInfo = m_pbnInfoGroup->Value();
    } else {
        m_fileTypeGroup->SetValue(m_fileType);
        m_pbnInfoGroup->SetValue(m_pbnInfo);
    }
    return true;
}
