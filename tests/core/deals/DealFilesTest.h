#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "deals/CDeal.h"
#include "deals/CDealList.h"
#include "deals/CPbnGame.h"
#include "deals/CPbnLine.h"
#include "platform/CFile.h"

// A deal that keeps seat texts and takes event and seat texts from PBN games, the way a
// bidding session's deal does; pbnInfo says which part of a seat tag's line it takes
// (0 line comment, 1 brace comment, 2 tag value).
class CTestDeal : public CDeal {
public:
    explicit CTestDeal(int pbnInfo = 1) : CDeal(0, 99, 155, 155, 0), m_pbnInfo(pbnInfo) {}

    void ResetDeal() override {
        CDeal::ResetDeal();
        seatTexts = {};
    }
    void TakePbnGame(CPbnGame* game) override {
        static const char* const kSeatTags[] = {"West", "North", "East", "South"};
        POSITION pos;
        game->GetHeadChildPosition(pos);
        while (pos) {
            const CPbnLine* line = game->GetLine(pos);
            if (line->GetTagName() == "Event" && !line->GetTagValue().empty()) {
                SetEvent(line->GetTagValue());
            }
            for (int seat = 0; seat < 4; ++seat) {
                if (line->GetTagName() == kSeatTags[seat]) {
                    seatTexts[seat] = m_pbnInfo == 0   ? line->GetLineComment()
                                      : m_pbnInfo == 1 ? line->GetBraceComment()
                                                       : line->GetTagValue();
                }
            }
        }
    }
    // The Bridge D/A rule: a comment line is the file's own seat's text while that is empty,
    // then the defender's before it.
    void TakeComment(int seat, const std::string& line) {
        std::string& text = seatTexts[seatTexts[seat].empty() ? seat : seat - 1];
        text += (text.empty() ? "" : "\r\n") + line;
    }

    std::array<std::string, 4> seatTexts;

private:
    int m_pbnInfo;
};

class CTestDealList : public CDealList {
public:
    explicit CTestDealList(int pbnInfo = 1, std::string defaultExtension = "dup")
        : CDealList(0, 98, 155, 155, 0),
          m_pbnInfo(pbnInfo),
          m_defaultExtension(std::move(defaultExtension)) {}

    CDeal* CreateDeal() override { return new CTestDeal(m_pbnInfo); }
    std::string GetDefaultExtension() override { return m_defaultExtension; }
    bool ImportBridgeDaFiles(const std::string& path) override;

    CTestDeal& Deal(int index) { return *static_cast<CTestDeal*>(GetChildAt(index)); }

private:
    int m_pbnInfo;
    std::string m_defaultExtension;
};

// The hands as "W:KQ.A..T9 N:... E:... S:..." (seats West to South, suits spades to clubs).
std::string HandsOf(const CDeal& deal);
// Every deal of the bytes, read in the extension's format the way an import reads them.
std::vector<std::unique_ptr<CTestDeal>> ReadDeals(const std::string& bytes, const std::string& ext,
                                                  int pbnInfo = 1);
std::vector<std::string> HandsOfAll(const std::vector<std::unique_ptr<CTestDeal>>& deals);
// Bytes of no format, the same for the same seed.
std::string Garbage(std::size_t size, unsigned seed);
// A deal with the given hands in the form of HandsOf.
void SetHands(CDeal& deal, const std::string& hands);
