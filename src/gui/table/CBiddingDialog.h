#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "core/table/IBiddingTableView.h"
#include "gui/table/CBiddingBox.h"
#include "gui/table/IAuctionGridOwner.h"

class CAuctionGrid;
class CBiddingDeal;
class CBiddingTable;
class CTableReview;
class QPlainTextEdit;

// Dialog 187, where North and South bid one deal after another. It draws what the bidding
// table (CBiddingTable) decides and hands it every press, edit and focus change; it keeps no
// rules of its own.
class CBiddingDialog : public QDialog, private IBiddingTableView, private IAuctionGridOwner {
    Q_OBJECT

public:
    explicit CBiddingDialog(QWidget* parent = nullptr);
    ~CBiddingDialog() override;

    // Before the dialog is shown.
    void LoadDeal(CBiddingDeal* deal);
    // After it has ended: the comment box goes back into the deal.
    void SaveComment();

    CBiddingTable& Table() { return *m_table; }
    // A control by its id; null for an id the dialog does not have.
    QWidget* Control(unsigned id) const;

    // Escape and the window's close button: the dialog ends without asking.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Every control keeps its place and grows with the dialog, as does the text.
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // IBiddingTableView
    void EnableControl(unsigned controlId, bool enable) override;
    void SetControlText(unsigned controlId, const std::string& text) override;
    void SetControlRed(unsigned controlId, bool red) override;
    void SetTitle(const std::string& title) override;
    void SetFocusTo(unsigned controlId) override;
    void SetCommentCaret(std::size_t offset) override;
    void RefreshAuction(bool redraw) override;
    void RefreshPictures() override;
    void EndDialog() override;
    // IAuctionGridOwner
    void ReplaceNote(int column, int row, const std::string& note) override;
    void SetDefaultFocus() override;

    void CreateControls();
    // How much larger than its default size the dialog is shown.
    double Scale() const;
    void Press(unsigned controlId);
    void OnCommentEdited();
    void ShowHelp();

    std::unique_ptr<CBiddingTable> m_table;
    CBiddingBox m_box;
    std::map<unsigned, QWidget*> m_controls;  // children of the dialog, by id
    CAuctionGrid* m_grid = nullptr;
    QPlainTextEdit* m_comment = nullptr;
    CTableReview* m_review = nullptr;  // null while the review is switched off
    std::string m_commentBytes;        // the comment box's text as last set by the table
    bool m_started = false;
    std::vector<std::pair<QWidget*, QRect>> m_placesAtDefaultSize;
    QSize m_defaultSize;
    QFont m_defaultFont;
    bool m_caretPlaced = false;       // the table placed the comment's caret
    bool m_keepCaretOnPress = false;  // the next press in the comment only gave it the focus
};
