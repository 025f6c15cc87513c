#pragma once

#include <memory>
#include <string>

#include "core/bidding/BiddingIds.h"
#include "core/items/CItem.h"

class CAuction;

// One call of an auction: its code, the player's note on it, and optionally a table of
// recorded replies. The item's name is always the call's text.
class CCall : public CItem {
public:
    explicit CCall(int code);
    // A temporary bid for legality questions, not stored anywhere.
    CCall(int level, int strain);
    ~CCall() override;

    int GetCode() const { return m_code; }
    // Stores the code and renames the item to the call's text.
    void SetCode(int code);
    // With reset the note is emptied first; a further line goes after "\r\n".
    void AppendNote(const std::string& line, bool reset);
    std::string GetNote() const;
    // The strain index of a bid; -1 for every other code.
    int GetStrain() const;
    bool IsEnabledIn(const CAuction& auction) const;

    // Pairs (trigger, reply), newest first; null when no reply was recorded after this call.
    CAuction* GetReplyTable() const { return m_replyTable.get(); }
    // The reply table, made empty first when there is none.
    CAuction& ProvideReplyTable();

    void WriteFields() override;
    void ReadField(long kind, int code, std::string_view text) override;

    // The bid of level 1 to 7 and strain 0 to 4; 0 for anything else.
    static int MakeCallCode(int level, int strain);
    // "1C" ... "7N", "P", "D", "RD"; empty for every other code.
    static std::string GetCallText(int code);
    // The code of a call text (as GetCallText writes it); -1 for any other text.
    static int GetCallCode(const std::string& text);
    // The strain of a bid; STRAIN_NONE for every other code.
    static Strain GetStrainOf(int code);
    // 1 to 7 for a bid; 0 for every other code.
    static int GetLevelOf(int code);
    // The place of a call among the 38 (bids 0 to 34 from 1C up, then Pass, Double,
    // Redouble); -1 for a code that is no call.
    static int GetCallIndex(int code);
    static int GetCodeOfIndex(int index);

private:
    int m_code = 0;
    std::string m_note;
    std::unique_ptr<CAuction> m_replyTable;
};
