#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class CBiddingList;
class CBiddingListPage;
class CBiddingListPSDeal;
class CBiddingListPSFileType;
class CBiddingListPSGeneral;
class CPropertySheet;
class QDialog;
class QWizard;

// The bidding session's property sheet in its three modes: 0 Properties (General), 1 Insert
// (a wizard: Deal, then General), 3 Options (General and File Type, the defaults for new
// sessions).
class CBiddingListPS : public QObject {
    Q_OBJECT

public:
    explicit CBiddingListPS(int mode, QWidget* parent = nullptr);
    ~CBiddingListPS() override;

    int GetMode() const { return m_mode; }
    // Each page of the mode loads from the session and is added, in page order.
    void LoadFromSession(CBiddingList* session);
    // Each page of the mode stores into the session, in page order (Deal imports its file).
    // False when the wizard's import was cancelled: then nothing is to be added.
    bool StoreToSession(CBiddingList* session);
    // The wizard's Next and Finish, or the sheet's OK.
    void EnableFinish(bool enable);
    // Moves the wizard to its next page.
    void PressNext();
    // Runs the sheet; false when the person cancelled.
    bool DoModal();

    QDialog* Dialog() const;
    CBiddingListPSDeal* DealPage() const { return m_deal; }
    CBiddingListPSGeneral* GeneralPage() const { return m_general; }
    CBiddingListPSFileType* FileTypePage() const { return m_fileType; }

private:
    // The pages of the mode, in page order.
    std::vector<CBiddingListPage*> Pages() const;

    int m_mode;
    QPointer<QWizard> m_wizard;
    QPointer<CPropertySheet> m_sheet;
    CBiddingListPSDeal* m_deal;
    CBiddingListPSGeneral* m_general;
    CBiddingListPSFileType* m_fileType;
};
