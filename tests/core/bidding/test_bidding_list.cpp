#include <string>

#include <gtest/gtest.h>

#include "AuctionScript.h"
#include "BiddingFakes.h"
#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "bidding/BiddingIds.h"
#include "bidding/BiddingStrings.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "items/CDesktop.h"
#include "items/ItemIds.h"

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
        tree.ClearCalls();
        return session;
    }

    static CBiddingDeal* DealAt(CBiddingList* session, int index) {
        return dynamic_cast<CBiddingDeal*>(session->GetChildAt(index));
    }

    CRecordingItemTree tree;
    CDesktop desktop;
};

const char kSection[] = "CBiddingList";
}  // namespace

TEST_F(BiddingListTest, DefaultsAreReadAfreshAtEveryConstruction) {
    {
        CBiddingList session;
        EXPECT_EQ(session.GetName(), "Bidding");
        EXPECT_EQ(session.GetKind(), KIND_BIDDING_LIST);
        EXPECT_EQ(session.GetNorthName(), "");
        EXPECT_EQ(session.GetSouthName(), "");
        EXPECT_EQ(session.GetSelectNorthText(), "Select ");
        EXPECT_EQ(session.GetFileType(), FILE_TYPE_BRIDGE_DA);
        EXPECT_EQ(session.GetPbnInfo(), PBN_INFO_BRACE_COMMENT);
        EXPECT_EQ(session.GetStartBidding(), START_BIDDING_NONE);
        EXPECT_EQ(session.GetNewName(), "");
        EXPECT_EQ(session.GetDefaultExtension(), "nth");
        EXPECT_TRUE(session.CanCopy());
        EXPECT_TRUE(session.CanClearAll());
        EXPECT_FALSE(session.CanDrag());
        // Sessions are renamed in the tree and from their menu.
        EXPECT_TRUE(session.CanRename());
        EXPECT_EQ(session.GetImage(), IDB_DEALS);
        EXPECT_EQ(session.GetContextMenu(), IDR_SESSION_MENU);
        EXPECT_TRUE(settings.WriteLog().empty());
    }

    settings.WriteInt(kSection, "StartBidding", 2);
    settings.WriteString(kSection, "North", "Ann");
    settings.WriteString(kSection, "South", "");
    settings.WriteInt(kSection, "FileType", 1);
    settings.WriteInt(kSection, "PBNInfo", 0);
    CBiddingList session;
    EXPECT_EQ(session.GetStartBidding(), 2);
    EXPECT_EQ(session.GetNorthName(), "Ann");
    EXPECT_EQ(session.GetSelectNorthText(), "Select Ann");
    EXPECT_EQ(session.GetSouthName(), "");
    EXPECT_EQ(session.GetFileType(), FILE_TYPE_PBN);
    EXPECT_EQ(session.GetPbnInfo(), PBN_INFO_LINE_COMMENT);

    // The default extension follows the store, not the session's own field.
    const struct {
        int fileType;
        const char* extension;
    } extensions[] = {{0, "nth"}, {1, "pbn"}, {2, "*.*"}, {-1, "*.*"}};
    for (const auto& e : extensions) {
        settings.WriteInt(kSection, "FileType", e.fileType);
        EXPECT_EQ(session.GetDefaultExtension(), e.extension);
    }
}

TEST_F(BiddingListTest, SaveDefaultsWritesTheFiveKeysInOrder) {
    CBiddingList session;
    session.SetStartBidding(1);
    session.SetNorthName("Ann");
    session.SetSouthName("Bob");
    session.SetFileType(1);
    session.SetPbnInfo(2);
    session.SaveDefaults();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {kSection, "StartBidding"}, {kSection, "North"},   {kSection, "South"},
        {kSection, "FileType"},     {kSection, "PBNInfo"},
    };
    EXPECT_EQ(settings.WriteLog(), expected);
    EXPECT_EQ(GetProfileInt(kSection, "PBNInfo", -1), 2);
    EXPECT_EQ(GetProfileString(kSection, "South", ""), "Bob");
}

TEST_F(BiddingListTest, PropertiesInsertAndOptionsThroughTheSheet) {
    CBiddingList* session = AddSession(1);
    session->SetName("Club night");

    // No sheet in this program: nothing happens.
    EXPECT_FALSE(session->ShowProperties(PROPERTIES_MODE_PROPERTIES));
    EXPECT_TRUE(session->OnCommand(nullptr, ID_PROPERTIES));

    CFakeSheet sheet;
    // Cancel: nothing changes, the document is not marked.
    const int modified = tree.ModifiedCount();
    EXPECT_FALSE(session->OnCommand(&tree, ID_PROPERTIES));
    EXPECT_EQ(tree.ModifiedCount(), modified);

    // Properties: the pages store; the session marks the document modified.
    sheet.store = [](CBiddingList& s) {
        s.SetName("Tuesday");
        s.SetNorthName("Ann");
        s.SetSouthName("Bob");
    };
    EXPECT_TRUE(session->OnCommand(&tree, ID_PROPERTIES));
    EXPECT_EQ(session->GetName(), "Tuesday");
    EXPECT_EQ(session->GetSelectSouthText(), "Select Bob");
    EXPECT_EQ(tree.ModifiedCount(), modified + 1);
    EXPECT_TRUE(settings.WriteLog().empty());

    // Insert: a typed new name wins over the name the import gave the session.
    CBiddingList inserted;
    sheet.store = [](CBiddingList& s) {
        s.SetName("Event of the file");
        s.SetNewName("Typed");
    };
    EXPECT_TRUE(inserted.ShowProperties(PROPERTIES_MODE_INSERT));
    EXPECT_EQ(inserted.GetName(), "Typed");
    CBiddingList untyped;
    sheet.store = [](CBiddingList& s) { s.SetName("Event of the file"); };
    EXPECT_TRUE(untyped.ShowProperties(PROPERTIES_MODE_INSERT));
    EXPECT_EQ(untyped.GetName(), "Event of the file");

    // Options: the defaults are written only on OK.
    CBiddingList temporary;
    sheet.store = nullptr;
    temporary.EditDefaults();
    EXPECT_TRUE(settings.WriteLog().empty());
    sheet.store = [](CBiddingList& s) { s.SetSouthName("Cy"); };
    temporary.EditDefaults();
    EXPECT_EQ(GetProfileString(kSection, "South", "?"), "Cy");
    EXPECT_EQ(settings.WriteLog().size(), 5u);
    EXPECT_EQ(CBiddingList().GetSouthName(), "Cy");

    const std::vector<int> modes = {0, 0, 1, 1, 3, 3};
    EXPECT_EQ(sheet.modes, modes);
}

TEST_F(BiddingListTest, CommandsEnableAsTheDealsAllow) {
    const struct {
        int deals;
        const char* hiddenFor;  // per deal: "N", "S", "NS" or ""
        bool selectNorth, selectSouth, viewAll, unhideAll;
    } cases[] = {
        {0, "", false, false, false, false},       {2, ",", true, true, true, true},
        {2, "N,N", false, true, true, true},       {2, "NS,S", true, false, true, true},
        {3, "NS,NS,NS", false, false, true, true},
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
        EXPECT_EQ(session->OnCommand(nullptr, ID_SELECT_NORTH), c.selectNorth) << c.hiddenFor;
        EXPECT_EQ(session->OnCommand(nullptr, ID_SELECT_SOUTH), c.selectSouth) << c.hiddenFor;
        EXPECT_EQ(session->OnCommand(nullptr, ID_VIEW_ALL), c.viewAll) << c.hiddenFor;
        EXPECT_EQ(session->OnCommand(nullptr, ID_UNHIDE_ALL), c.unhideAll) << c.hiddenFor;
        EXPECT_TRUE(session->OnCommand(nullptr, ID_PROPERTIES));
        for (unsigned other : {ID_OPEN, ID_EDIT_COPY, ID_INSERT_BIDDING_SESSION, 0u}) {
            EXPECT_FALSE(session->OnCommand(nullptr, other));
            EXPECT_FALSE(session->OnCommand(&tree, other));
        }
    }
}

TEST_F(BiddingListTest, SelectOpensTheFirstDealThePlayerHasNotHidden) {
    CBiddingList* session = AddSession(3);
    DealAt(session, 0)->SetHidden(SEAT_NORTH);
    DealAt(session, 0)->SetHidden(SEAT_SOUTH);
    DealAt(session, 1)->SetHidden(SEAT_NORTH);
    CFakeLauncher launcher;

    EXPECT_TRUE(session->OnCommand(&tree, ID_SELECT_NORTH));
    EXPECT_TRUE(session->OnCommand(&tree, ID_SELECT_SOUTH));
    EXPECT_TRUE(session->OnCommand(&tree, ID_VIEW_ALL));
    ASSERT_EQ(launcher.runs.size(), 3u);
    EXPECT_EQ(launcher.runs[0].deal, DealAt(session, 2));
    EXPECT_EQ(launcher.runs[0].startPlayer, SEAT_NORTH);
    EXPECT_EQ(launcher.runs[1].deal, DealAt(session, 1));
    EXPECT_EQ(launcher.runs[1].startPlayer, SEAT_SOUTH);
    EXPECT_EQ(launcher.runs[2].deal, DealAt(session, 0));  // hidden or not
    EXPECT_EQ(launcher.runs[2].startPlayer, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(DealAt(session, i)->GetStartPlayer(), -1);
    }

    DealAt(session, 2)->SetHidden(SEAT_NORTH);
    EXPECT_FALSE(session->OnCommand(&tree, ID_SELECT_NORTH));
    EXPECT_EQ(launcher.runs.size(), 3u);

    const int modified = tree.ModifiedCount();
    EXPECT_TRUE(session->OnCommand(&tree, ID_UNHIDE_ALL));
    EXPECT_EQ(tree.ModifiedCount(), modified + 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(DealAt(session, i)->IsHidden(SEAT_NORTH));
        EXPECT_FALSE(DealAt(session, i)->IsHidden(SEAT_SOUTH));
    }
}

TEST_F(BiddingListTest, MenuTextsNameThePlayers) {
    CBiddingList* session = AddSession(0);
    session->SetNorthName("Ann");
    session->SetSouthName("Bob %1");
    const struct {
        unsigned id;
        const char* text;
    } cases[] = {{ID_SELECT_NORTH, "Select Ann"},
                 {ID_SELECT_SOUTH, "Select Bob %1"},
                 {ID_VIEW_ALL, "unchanged"},
                 {ID_PROPERTIES, "unchanged"}};
    for (const auto& c : cases) {
        CFakeCommandUI ui(c.id);
        session->OnUpdateCommand(&ui);
        EXPECT_EQ(ui.text, c.text);
        EXPECT_TRUE(ui.enabled);  // the view enables from OnCommand, not here
    }
}

TEST_F(BiddingListTest, SessionText) {
    CBiddingList* session = AddSession(2);
    session->SetName("Club night");
    session->SetNorthName("Ann");
    session->SetSouthName("Bob");
    DealAt(session, 1)->SetSuitText(SEAT_NORTH, SUIT_CLUBS, "AK", true);
    std::string deal1;
    std::string deal2;
    DealAt(session, 0)->GetText(deal1, false);
    DealAt(session, 1)->GetText(deal2, false);
    const std::string heading = "Club night\r\nNorth:\tAnn\r\nSouth:\tBob\r\n";
    std::string text = "x";
    EXPECT_TRUE(session->GetText(text, true));
    EXPECT_EQ(text, "x" + heading + "\r\n\r\n" + deal1 + "\r\n\r\n" + deal2);
    EXPECT_EQ(deal2, "A2\r\nEast / North-South\r\n\r\nNorth:\t- / - / - / AK\r\n");

    CBiddingList empty;
    text.clear();
    EXPECT_TRUE(empty.GetText(text, false));
    EXPECT_EQ(text, "Bidding\r\nNorth:\t\r\nSouth:\t\r\n");
    EXPECT_EQ(session->CopyToClipboard(), true);
    EXPECT_EQ(prompts.Clipboard(), heading + "\r\n\r\n" + deal1 + "\r\n\r\n" + deal2);
}
