#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "BiddingFakes.h"
#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"

namespace {
class BiddingListTest : public CoreTest {
protected:
    BiddingListTest() {
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
    }

    // A session shown under the Desktop with deals A1 ... An.
    CBiddingList* AddSession(int deals) {
        auto* session = new CBiddingList;
        session->InsertIntoTree(&desktop);
        for (int i = 0; i < deals; ++i) {
            CDeal* deal = session->CreateDeal();
            deal->NameAfterLastChild(session);
            deal->InsertIntoTree(session);
        }
        m_marksBefore = tree.ModifiedCount();
        return session;
    }
    // How often the document was marked modified since the last AddSession.
    int Marks() const { return tree.ModifiedCount() - m_marksBefore; }

    static CBiddingDeal* DealAt(CBiddingList* session, int index) {
        return dynamic_cast<CBiddingDeal*>(session->GetChildAt(index));
    }

    CRecordingItemTree tree;
    CDesktop desktop;

private:
    int m_marksBefore = 0;
};

const char kSection[] = "CBiddingList";
}  // namespace

TEST_F(BiddingListTest, OptionsWriteTheDefaultsOnOkAndNewSessionsReadThemAfresh) {
    CFakeSheet sheet;
    CBiddingList before;
    before.EditDefaults();  // Cancel
    EXPECT_TRUE(settings.WriteLog().empty());
    sheet.store = [](CBiddingList& s) {
        s.SetStartBidding(START_BIDDING_NORTH);
        s.SetNorthName("Ann");
        s.SetSouthName("Cy");
        s.SetFileType(FILE_TYPE_PBN);
        s.SetPbnInfo(PBN_INFO_TAG_VALUE);
    };
    CBiddingList().EditDefaults();
    EXPECT_EQ(settings.WriteLog().size(), 5u);
    const CBiddingList fresh;
    EXPECT_EQ(fresh.GetStartBidding(), START_BIDDING_NORTH);
    EXPECT_EQ(fresh.GetSelectNorthText(), "Select Ann");
    EXPECT_EQ(fresh.GetSouthName(), "Cy");
    EXPECT_EQ(fresh.GetFileType(), FILE_TYPE_PBN);
    EXPECT_EQ(fresh.GetPbnInfo(), PBN_INFO_TAG_VALUE);
    EXPECT_EQ(before.GetNorthName(), "");
    EXPECT_EQ(sheet.modes, std::vector<int>(2, PROPERTIES_MODE_OPTIONS));

    // The default extension follows the store, not the session's own field.
    const struct {
        int fileType;
        const char* extension;
    } extensions[] = {{0, "nth"}, {1, "pbn"}, {2, "*.*"}, {-1, "*.*"}};
    for (const auto& e : extensions) {
        settings.WriteInt(kSection, "FileType", e.fileType);
        EXPECT_EQ(before.GetDefaultExtension(), e.extension);
    }
}

TEST_F(BiddingListTest, PropertiesAndInsertThroughTheSheet) {
    CBiddingList* session = AddSession(1);
    EXPECT_TRUE(session->OnCommand(nullptr, ID_PROPERTIES));  // no sheet: nothing happens

    CFakeSheet sheet;
    // Cancel changes nothing; OK stores and marks the document modified.
    EXPECT_FALSE(session->OnCommand(&tree, ID_PROPERTIES));
    EXPECT_EQ(Marks(), 0);
    sheet.store = [](CBiddingList& s) {
        s.SetName("Tuesday");
        s.SetSouthName("Bob");
    };
    EXPECT_TRUE(session->OnCommand(&tree, ID_PROPERTIES));
    EXPECT_EQ(session->GetName(), "Tuesday");
    EXPECT_EQ(session->GetSelectSouthText(), "Select Bob");
    EXPECT_EQ(Marks(), 1);
    EXPECT_TRUE(settings.WriteLog().empty());

    // Insert: a typed new name wins over the name the import gave the session.
    for (const char* typed : {"Typed", ""}) {
        CBiddingList inserted;
        sheet.store = [typed](CBiddingList& s) {
            s.SetName("Event of the file");
            s.SetNewName(typed);
        };
        EXPECT_TRUE(inserted.ShowProperties(PROPERTIES_MODE_INSERT));
        EXPECT_EQ(inserted.GetName(), *typed ? typed : "Event of the file");
    }
    const std::vector<int> modes = {PROPERTIES_MODE_PROPERTIES, PROPERTIES_MODE_PROPERTIES,
                                    PROPERTIES_MODE_INSERT, PROPERTIES_MODE_INSERT};
    EXPECT_EQ(sheet.modes, modes);
}

// Select opens the first deal the player has not hidden; View All the first deal.
TEST_F(BiddingListTest, SelectAndViewAllOpenTheFirstDealThePlayerMaySee) {
    const struct {
        int deals;
        const char* hiddenFor;      // per deal: "N", "S", "NS" or ""
        int north, south, viewAll;  // the deal each opens, -1 when disabled
    } cases[] = {
        {0, "", -1, -1, -1},   {2, ",", 0, 0, 0},     {2, "N,N", -1, 0, 0},
        {2, "NS,S", 1, -1, 0}, {3, "NS,N,", 2, 1, 0}, {3, "NS,NS,NS", -1, -1, 0},
    };
    for (const auto& c : cases) {
        CBiddingList* session = AddSession(c.deals);
        std::string hidden = c.hiddenFor;
        for (int i = 0; i < c.deals; ++i) {
            const std::string mine = hidden.substr(0, hidden.find(','));
            hidden.erase(0, mine.size() + 1);
            if (mine.find('N') != std::string::npos)
                DealAt(session, i)->SetHidden(SEAT_NORTH);
            if (mine.find('S') != std::string::npos)
                DealAt(session, i)->SetHidden(SEAT_SOUTH);
        }
        CFakeLauncher launcher;
        for (const auto& [id, opens, player] :
             {std::tuple(ID_SELECT_NORTH, c.north, int{SEAT_NORTH}),
              std::tuple(ID_SELECT_SOUTH, c.south, int{SEAT_SOUTH}),
              std::tuple(ID_VIEW_ALL, c.viewAll, -1)}) {
            EXPECT_EQ(session->OnCommand(nullptr, id), opens >= 0) << c.hiddenFor << " " << id;
            if (opens >= 0) {
                EXPECT_TRUE(session->OnCommand(&tree, id));
                EXPECT_EQ(launcher.runs.back().deal, DealAt(session, opens)) << c.hiddenFor;
                EXPECT_EQ(launcher.runs.back().startPlayer, player);
                EXPECT_EQ(DealAt(session, opens)->GetStartPlayer(), -1);  // taken back
            }
        }
        EXPECT_EQ(session->OnCommand(nullptr, ID_UNHIDE_ALL), c.deals > 0);
        for (unsigned other : {ID_OPEN, ID_EDIT_COPY, ID_INSERT_BIDDING_SESSION, 0u}) {
            EXPECT_FALSE(session->OnCommand(nullptr, other));
            EXPECT_FALSE(session->OnCommand(&tree, other));
        }
    }
}

TEST_F(BiddingListTest, UnhideAllClearsEveryFlagAndMarksTheDocument) {
    CBiddingList* session = AddSession(2);
    DealAt(session, 0)->SetHidden(SEAT_NORTH);
    DealAt(session, 1)->SetHidden(SEAT_SOUTH);
    EXPECT_TRUE(session->OnCommand(&tree, ID_UNHIDE_ALL));
    EXPECT_EQ(Marks(), 1);
    EXPECT_FALSE(DealAt(session, 0)->IsHidden(SEAT_NORTH));
    EXPECT_FALSE(DealAt(session, 1)->IsHidden(SEAT_SOUTH));
}

TEST_F(BiddingListTest, MenuTextsNameThePlayers) {
    CBiddingList* session = AddSession(0);
    session->SetNorthName("Ann");
    session->SetSouthName("Bob %1");
    for (const auto& [id, text] :
         {std::pair(ID_SELECT_NORTH, "Select Ann"), std::pair(ID_SELECT_SOUTH, "Select Bob %1"),
          std::pair(ID_VIEW_ALL, "unchanged")}) {
        CFakeCommandUI ui(id);
        session->OnUpdateCommand(&ui);
        EXPECT_EQ(ui.text, text);
        EXPECT_TRUE(ui.enabled);  // the view enables from OnCommand, not here
    }
}

TEST_F(BiddingListTest, SessionText) {
    CBiddingList* session = AddSession(2);
    session->SetName("Club night");
    session->SetNorthName("Ann");
    session->SetSouthName("Bob");
    std::string deal1;
    std::string deal2;
    DealAt(session, 0)->GetText(deal1, false);
    DealAt(session, 1)->GetText(deal2, false);
    const std::string heading = "Club night\r\nNorth:\tAnn\r\nSouth:\tBob\r\n";
    std::string text = "x";
    EXPECT_TRUE(session->GetText(text, true));
    EXPECT_EQ(text, "x" + heading + "\r\n\r\n" + deal1 + "\r\n\r\n" + deal2);
    EXPECT_TRUE(session->CopyToClipboard());
    EXPECT_EQ(prompts.Clipboard(), heading + "\r\n\r\n" + deal1 + "\r\n\r\n" + deal2);
}
