#pragma once

#include <string>

#include "core/deals/CDealList.h"

class CBiddingDeal;

// A bidding session: the bidding deals one North-South pair bids together, with the two
// participants' names. A freshly constructed session also carries the user's defaults for
// new sessions, read from the settings store (section "CBiddingList") every time.
class CBiddingList : public CDealList {
public:
    CBiddingList();
    ~CBiddingList() override;

    // Lets documents create their sessions: with the document's participants, not the
    // user's defaults for new sessions, so that a session saved without names comes back
    // without them.
    static void RegisterWithDesktop();

    std::string GetNorthName() const { return m_northName; }
    std::string GetSouthName() const { return m_southName; }
    // Also sets the "Select %1" text of the player's menu command.
    void SetNorthName(const std::string& name);
    void SetSouthName(const std::string& name);
    std::string GetSelectNorthText() const { return m_selectNorthText; }
    std::string GetSelectSouthText() const { return m_selectSouthText; }
    // The name typed in the sheet where the sheet does not rename the session itself.
    std::string GetNewName() const { return m_newName; }
    void SetNewName(const std::string& name) { m_newName = name; }
    // 0 do not start bidding, 1 select North, 2 select South.
    int GetStartBidding() const { return m_startBidding; }
    void SetStartBidding(int startBidding) { m_startBidding = startBidding; }
    // 0 Bridge D/A, 1 PBN.
    int GetFileType() const { return m_fileType; }
    void SetFileType(int fileType) { m_fileType = fileType; }
    // 0 line comment, 1 brace comment, 2 tag pair value.
    int GetPbnInfo() const { return m_pbnInfo; }
    void SetPbnInfo(int pbnInfo) { m_pbnInfo = pbnInfo; }

    void LoadDefaults();
    void SaveDefaults() const;
    // The stored defaults that a new session would take, without making one.
    static int DefaultFileType();
    static int DefaultPbnInfo();
    // Runs the property sheet (0 Properties, 1 Insert, 3 Options); false on Cancel or when
    // the program has no sheet.
    bool ShowProperties(int mode);
    // Options: the sheet on this (temporary) session, then its values become the defaults.
    void EditDefaults();
    void UnhideAll();
    // The first deal that is not hidden for the seat; null when there is none.
    CBiddingDeal* FirstDealNotHiddenFor(int seat) const;

    void WriteFields() override;
    void ReadField(long kind, int code, std::string_view text) override;
    bool GetText(std::string& text, bool topLevel) override;
    void AppendText(std::string& text) override;
    void OnUpdateCommand(ICommandUI* commandUI) override;
    bool OnCommand(CItemTree* tree, unsigned id) override;
    CDeal* CreateDeal() override;
    // Each deal read with the bidding deal's ReadBridgeDaDeal.
    bool ImportBridgeDaFiles(const std::string& path) override;
    std::string GetDefaultExtension() override;

private:
    bool SelectPlayer(CItemTree* tree, int seat);

    std::string m_northName;
    std::string m_southName;
    std::string m_selectNorthText;
    std::string m_selectSouthText;
    int m_fileType = 0;
    int m_pbnInfo = 1;
    std::string m_newName;
    int m_startBidding = 0;
};
