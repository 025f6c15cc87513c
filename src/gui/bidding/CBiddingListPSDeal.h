#pragma once

#include <string>

#include "gui/common/CPropertyPage.h"

class CBiddingList;
class CBiddingListPS;
class QLineEdit;
class QPushButton;

// The Deal page of the Insert wizard: the deal file whose deals the new session imports.
class CBiddingListPSDeal : public CPropertyPage {
    Q_OBJECT

public:
    explicit CBiddingListPSDeal(QWidget* parent = nullptr);

    void Load(CBiddingListPS* sheet, CBiddingList* session);
    // Imports the file into the session; an empty name imports nothing. False when the
    // file could not be read and the file dialog shown instead was cancelled.
    bool Store(CBiddingList* session);
    bool UpdateData(bool saveAndValidate) override;
    // A name of a file that does not exist is refused with a message.
    bool OnKillActive() override;
    void OnSetActive() override;
    // Chooses the file and moves the wizard on to the next page.
    void OnBrowse();

    const std::string& GetImportFile() const { return m_importFile; }
    QLineEdit* ImportFileEdit() const { return m_importFileEdit; }
    QPushButton* BrowseButton() const { return m_browse; }

private:
    std::string m_importFile;
    CBiddingListPS* m_sheet = nullptr;
    CBiddingList* m_session = nullptr;

    QLineEdit* m_importFileEdit;
    QPushButton* m_browse;
};
