#pragma once

#include "gui/bidding/CBiddingListPage.h"

class CRadioGroup;

// The File Type page of the bidding session defaults: the file type that imports offer
// first, and where PBN files keep the instruction texts for East and West.
class CBiddingListPSFileType : public CBiddingListPage {
    Q_OBJECT

public:
    explicit CBiddingListPSFileType(QWidget* parent = nullptr);

    bool Store(CBiddingList* session) override;
    bool UpdateData(bool saveAndValidate) override;

    CRadioGroup* FileTypeGroup() const { return m_fileTypeGroup; }
    CRadioGroup* PbnInfoGroup() const { return m_pbnInfoGroup; }

protected:
    void LoadFields(const CBiddingList& session) override;

private:
    int m_fileType = -1;
    int m_pbnInfo = -1;

    CRadioGroup* m_fileTypeGroup;
    CRadioGroup* m_pbnInfoGroup;
};
