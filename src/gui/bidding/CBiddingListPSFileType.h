#pragma once

#include "gui/common/CPropertyPage.h"

class CBiddingList;
class CBiddingListPS;
class CRadioGroup;

// The File Type page of the bidding session defaults: the file type that imports offer
// first, and where PBN files keep the instruction texts for East and West.
class CBiddingListPSFileType : public CPropertyPage {
    Q_OBJECT

public:
    explicit CBiddingListPSFileType(QWidget* parent = nullptr);

    void Load(CBiddingListPS* sheet, CBiddingList* session);
    void Store(CBiddingList* session) const;
    bool UpdateData(bool saveAndValidate) override;
    void OnSetActive() override;

    CRadioGroup* FileTypeGroup() const { return m_fileTypeGroup; }
    CRadioGroup* PbnInfoGroup() const { return m_pbnInfoGroup; }

private:
    int m_fileType = -1;
    int m_pbnInfo = -1;
    CBiddingListPS* m_sheet = nullptr;

    CRadioGroup* m_fileTypeGroup;
    CRadioGroup* m_pbnInfoGroup;
};
