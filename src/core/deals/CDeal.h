#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/deals/CNumberedItem.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/IDealFileFormat.h"
#include "core/deals/PbnFiles.h"
#include "core/deals/Seats.h"

class CFile;
class CPbnGame;

// One distribution of the cards among the four seats. The board number is the number at
// the end of the name; dealer and vulnerability follow from it.
class CDeal : public CNumberedItem {
public:
    // Suit texts seat by seat (by seat index), spades to clubs within a seat.
    using SuitTexts = std::array<std::string, kSeatCount * kSuitCount>;
    // The rank letters, ace first.
    static constexpr char kCardLetters[] = "AKQJT98765432";

    CDeal(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
          unsigned contextMenu);

    // Card letters "A" ... "2", ten as "T"; a card number is suit * 13 + rank position + 1.
    static int GetRankValue(const std::string& text, std::size_t pos);
    static int GetRankValue(char letter);
    static int GetCardNumber(int suit, const std::string& text, std::size_t pos);

    // Empty for a seat or suit out of range.
    std::string GetSuitText(int seat, int suit) const;
    // Appends (or with replace, replaces). Commas and line ends are dropped: the document
    // keeps all suit texts comma-joined on one line.
    void SetSuitText(int seat, int suit, const std::string& text, bool replace);
    // Appends each suit's text to that suit, as SetSuitText does, in one pass: readers
    // gather a deal's cards first, so that a file naming suits over and over costs time
    // in proportion to its size.
    void AppendSuitTexts(const SuitTexts& texts);
    // The same for suits comma-joined as the document keeps them; a deal without cards takes
    // them as they stand.
    void AppendCards(std::string_view joined);
    // Comma-joined suits apart; fields beyond the sixteenth are dropped.
    static SuitTexts SplitCards(std::string_view joined);
    static constexpr int kCardsPerSuit = 13;
    static constexpr int kCardCount = 52;
    // The rank letter and the suit of a card numbered 1 to 52; inline, as readers ask for
    // every card.
    static constexpr char CardLetter(int cardNumber) {
        return kCardLetters[(cardNumber - 1) % kCardsPerSuit];
    }
    static constexpr int SuitOfCard(int cardNumber) { return (cardNumber - 1) / kCardsPerSuit; }
    void AddCard(int seat, int cardNumber);
    // Orders the suit's letters by rank value, ace first; letters of no rank come first.
    void SortSuit(int seat, int suit);
    void SortHands();
    // Gives the cards nobody holds to the empty hand of the highest seat, if there is one,
    // in the suit texts a reader gathers before it hands them to a deal.
    static void CompleteEmptyHand(SuitTexts& texts);
    // No seat holds a card: nothing to bid.
    bool HasNoCards() const;
    // The hands field of a document (code 1): 16 comma-separated suit texts.
    void ReadHands(long code, std::string_view text);
    std::string GetEvent() const;
    void SetEvent(const std::string& event);
    // The event, taken out of the deal: it only names the list that the deal is imported
    // into, so a deal of a document keeps no copy.
    std::string TakeEvent() { return std::exchange(m_event, std::string()); }
    // The seat's suits when view is 4 (all hands) or the seat itself, else empty texts.
    void GetVisibleHand(int seat, std::string& spades, std::string& hearts, std::string& diamonds,
                        std::string& clubs, int view) const;

    // Deal files. The open dialog takes its filter from GetImportFilter.
    bool ChooseImportFile(std::string& path, std::string& ext);
    bool BrowseImportFile(std::string& path);
    // ext comes back in upper case. With options, the dialog also offers their choices.
    bool ChooseExportFile(std::string& path, std::string& ext,
                          DealExportOptions* options = nullptr);
    // One deal from the current position by the extension's format, hands sorted; false at
    // the end of the deals (or for an extension that names no readable format).
    bool ReadFromFile(CFile& file, const std::string& ext);
    // This deal in the extension's format at the end of the file; dealCount is the number of
    // deals the file will hold (-1: the parent list's count). False when the format cannot
    // carry the deal (a Duplimate record needs four hands of 13 cards): nothing is written.
    bool WriteToFile(CFile& file, const std::string& ext, bool first, int dealCount = -1,
                     const DealExportOptions& options = {});
    // The next game that holds a tag pair; its lines go to TakePbnGame.
    bool ReadPbnGame(CFile& file);
    void WritePbnGame(CFile& file, bool first, bool withAuction = false);

    int GetDealer();
    int GetVulnerability();
    // Dealer " / " vulnerability, as "East / North-South".
    void GetDescription(std::string& out);

    void WriteFields() override;
    long GetSortKey() const override;
    bool Open() override;
    bool OnDoubleClick(CItemTree* tree) override;

    virtual void ResetDeal();
    // Empty for a plain deal: the dialog then lists every file.
    virtual std::string GetImportFilter();
    virtual void TakePbnGame(CPbnGame* game);
    // The deal's own auction for a PBN game; false when it has none (a plain deal never has).
    virtual bool GetPbnAuction(Pbn::Auction& auction);

private:
    static bool IsValidSeatAndSuit(int seat, int suit);
    // Where a suit's letters lie in m_cards: first and one past the last.
    std::pair<std::size_t, std::size_t> SuitRange(int seat, int suit) const;

    // The 16 suit texts, seat by seat and spades to clubs, joined by "," as the document
    // stores them: one small string instead of 16 (a suit text never holds a comma).
    std::string m_cards;
    std::string m_event;
};
