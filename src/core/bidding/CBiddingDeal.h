#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/bidding/CReferenceAuction.h"
#include "core/deals/CDeal.h"

class CAuction;
class CBiddingList;
class CPbnGame;
class CPbnLine;
class CTextLineReader;

// What the bidding dialog shows of a deal.
struct BiddingDisplayData {
    // North, East, South, West, four suits each (spades first); empty for a seat the view
    // does not show.
    std::array<std::string, 16> holdings;
    std::string northName;
    std::string southName;
    // North, South, East, West.
    std::array<std::string, 4> seatTexts;
    std::string comment;
};

// A deal of a bidding session: its auction, the players' comment, each seat's instruction
// text for the automatic defence, and per seat whether the deal is hidden from that player
// and whether he has peeked at all four hands.
class CBiddingDeal : public CDeal {
public:
    CBiddingDeal();
    ~CBiddingDeal() override;

    // The auction, made when first asked for here: most deals of a large document are never
    // bid, and an auction weighs as much as the rest of the deal.
    CAuction* GetAuction();
    // The auction as it stands; an empty one for a deal not bid yet.
    const CAuction* GetAuction() const;
    // The auction the deal file carried for the deal; null when it carried none.
    const CReferenceAuction* GetReferenceAuction() const { return m_reference.get(); }
    void SetReferenceAuction(std::optional<CReferenceAuction> reference);
    // The session the deal stands in; null outside one.
    CBiddingList* GetSession() const;

    std::string GetComment() const;
    // With replace the comment is emptied first; a further line goes after "\r\n".
    void SetComment(const std::string& text, bool replace);
    std::string GetSeatText(int seat) const;
    void SetSeatText(int seat, const std::string& text, bool replace);
    bool IsHidden(int seat) const;
    void SetHidden(int seat);
    void ClearHidden();
    bool HasPeeked(int seat) const;
    void SetPeeked(int seat);
    // The player a session's Select chose, until the dialog takes it; -1 for none.
    int GetStartPlayer() const { return m_startPlayer; }
    void SetStartPlayer(int seat) { m_startPlayer = seat; }

    // view: a seat, 4 for all hands, -1 for none.
    void GetDisplayData(BiddingDisplayData& data, int view) const;

    // After a user's 7 no trumps: a defender to call who holds an ace doubles and the
    // auction ends; otherwise the defender and the bidder's partner pass and the other
    // defender gets the same choice, passing last when he has no ace.
    void ApplySeventhLevelRule();
    bool HoldsAce(int seat) const;
    void AppendPasses(int count);
    void AppendDoubleAndPasses();

    // Puts a copy of the deal as it stands into the log-book document; false, after a
    // message, when the log-book cannot be read or written.
    bool WriteLogBook();

    // One deal of a Bridge D/A set: the deal is emptied, then each file's block is read,
    // North, South, and East and West when withEastWest. Comment lines of the North and
    // South blocks become seat texts: the first the file's own seat's, the further ones the
    // defender's before it (West, East). The result is the South file's: false when it has
    // no more deals.
    bool ReadBridgeDaDeal(CTextLineReader& north, CTextLineReader& south, CTextLineReader* east,
                          CTextLineReader* west, bool withEastWest);
    // The dialogs list the session's default file type first.
    std::string GetImportFilter() override;
    // The event, from the place the PBN-info default names the four seat texts, and the
    // reference auction of an [Auction] section.
    void TakePbnGame(CPbnGame* game) override;
    // The pair's auction so far, with its notes; false before the first call.
    bool GetPbnAuction(Pbn::Auction& auction) override;

    void WriteFields() override;
    void ReadField(long kind, int code, std::string_view text) override;
    bool Open() override;
    bool GetText(std::string& text, bool topLevel) override;
    bool OnCommand(CItemTree* tree, unsigned id) override;
    void ResetDeal() override;

private:
    static bool IsSeat(int seat) { return seat >= 0 && seat < kSeatCount; }
    bool IsHandEmpty(int seat) const;
    std::string HandLine(int seat) const;
    void TakeBridgeDaComment(int seat, const std::string& line);
    // A seat tag's text, from the place that pbnInfo names, replaces that seat's text.
    void TakePbnSeatText(const CPbnLine& line, int pbnInfo);

    // The players' words. Apart from the deal, as most deals carry none.
    struct Texts {
        std::string comment;
        std::array<std::string, kSeatCount> seats;
    };
    const Texts& GetTexts() const;
    // False for a text that would change nothing of a deal without texts.
    bool AddsText(const std::string& text) const;
    Texts& EditTexts();

    std::unique_ptr<Texts> m_texts;
    std::array<int, kSeatCount> m_hidden{};
    std::array<int, kSeatCount> m_peeked{};
    std::unique_ptr<CAuction> m_auction;
    // Apart from the deal: few deals carry one, and documents hold many deals.
    std::unique_ptr<CReferenceAuction> m_reference;
    int m_startPlayer = -1;
};
