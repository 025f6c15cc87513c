#pragma once

#include <string>

#include "gui/bidding/CBiddingListPage.h"

class QLineEdit;
class QPushButton;

// The Deal page of the Insert wizard: the deal file whose deals the new session imports.
class CBiddingListPSDeal : public CBiddingListPage {
    Q_OBJECT

public:
    explicit CBiddingListPSDeal(QWidget* parent = nullptr);

    // Imports the file into the session; an empty name imports nothing. False when the
    // file could not be read and the file dialog shown instead was cancelled.
    bool Store(CBiddingList* session) override;
    bool UpdateData(bool saveAndValidate) override;
    // A name of a file that does not exist is refused with a message.
    bool OnKillActive() override;
    // Chooses the file and moves the wizard on to the next page.
    void OnBrowse();

    const std::string& GetImportFile() const { return m_importFile; }
    QLineEdit* ImportFileEdit() const { return m_importFileEdit; }
    QPushButton* BrowseButton() const { return m_browse; }

private:
    std::string m_importFile;

    QLineEdit* m_importFileEdit;
    QPushButton* m_browse;
};
