#include "core/bidding/CBiddingList.h"

#include "core/bidding/BiddingIds.h"
#include "core/bidding/BiddingListSheet.h"
#include "core/bidding/BiddingStrings.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/deals/BridgeDaFiles.h"
#include "core/deals/CBridgeDaSet.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"

namespace {
constexpr char kSection[] = "CBiddingList";
constexpr char kStartBiddingKey[] = "StartBidding";
constexpr char kNorthKey[] = "North";
constexpr char kSouthKey[] = "South";
constexpr char kFileTypeKey[] = "FileType";
constexpr char kPbnInfoKey[] = "PBNInfo";

constexpr int kNorthCode = 1;
constexpr int kSouthCode = 2;

std::string SelectText(const std::string& name) {
    return FormatMessageText(LoadString(IDS_SELECT_PLAYER), {name});
}
}  // namespace

CBiddingList::CBiddingList()
    : CDealList(IDS_BIDDING_LIST, KIND_BIDDING_LIST, IDB_DEALS, IDB_DEALS, IDR_SESSION_MENU) {
    LoadDefaults();
    m_newName.clear();
    SetCanCopy(true);
    // The tree view, the session menu's Rename and the name-clash message all rename
    // sessions, so a session may be renamed although a plain deal list may not.
    SetCanRename(true);
}

CBiddingList::~CBiddingList() = default;

void CBiddingList::RegisterWithDesktop() {
    CDesktop::RegisterChildFactory(KIND_BIDDING_LIST, [](const std::string& name) -> CTreeItem* {
        auto* session = new CBiddingList;
        session->SetNorthName(std::string());
        session->SetSouthName(std::string());
        session->SetName(name);
        return session;
    });
}

void CBiddingList::SetNorthName(const std::string& name) {
    m_northName = name;
    m_selectNorthText = SelectText(name);
}

void CBiddingList::SetSouthName(const std::string& name) {
    m_southName = name;
    m_selectSouthText = SelectText(name);
}

void CBiddingList::LoadDefaults() {
    m_startBidding = GetProfileInt(kSection, kStartBiddingKey, START_BIDDING_NONE);
    SetNorthName(GetProfileString(kSection, kNorthKey, ""));
    SetSouthName(GetProfileString(kSection, kSouthKey, ""));
    m_fileType = DefaultFileType();
    m_pbnInfo = DefaultPbnInfo();
}

int CBiddingList::DefaultFileType() {
    return GetProfileInt(kSection, kFileTypeKey, FILE_TYPE_BRIDGE_DA);
}

int CBiddingList::DefaultPbnInfo() {
    return GetProfileInt(kSection, kPbnInfoKey, PBN_INFO_BRACE_COMMENT);
}

void CBiddingList::SaveDefaults() const {
    WriteProfileInt(kSection, kStartBiddingKey, m_startBidding);
    WriteProfileString(kSection, kNorthKey, m_northName);
    WriteProfileString(kSection, kSouthKey, m_southName);
    WriteProfileInt(kSection, kFileTypeKey, m_fileType);
    WriteProfileInt(kSection, kPbnInfoKey, m_pbnInfo);
}

bool CBiddingList::ShowProperties(int mode) {
    IBiddingListSheet* sheet = GetBiddingListSheet();
    if (sheet == nullptr || !sheet->RunBiddingListSheet(*this, mode)) {
        return false;
    }
    if (mode == PROPERTIES_MODE_PROPERTIES) {
        SetModified();
    }
    // A typed name wins over any name the import gave the session.
    if (mode == PROPERTIES_MODE_INSERT && !m_newName.empty()) {
        SetName(m_newName);
    }
    return true;
}

void CBiddingList::EditDefaults() {
    if (ShowProperties(PROPERTIES_MODE_OPTIONS)) {
        SaveDefaults();
    }
}

void CBiddingList::UnhideAll() {
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        if (auto* deal = dynamic_cast<CBiddingDeal*>(GetNextChild(pos))) {
            deal->ClearHidden();
        }
    }
    SetModified();
}

CBiddingDeal* CBiddingList::FirstDealNotHiddenFor(int seat) const {
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        auto* deal = dynamic_cast<CBiddingDeal*>(GetNextChild(pos));
        if (deal != nullptr && !deal->IsHidden(seat)) {
            return deal;
        }
    }
    return nullptr;
}

// ---- Document fields ----

void CBiddingList::WriteFields() {
    WriteLine(kNorthCode, m_northName);
    WriteLine(kSouthCode, m_southName);
}

void CBiddingList::ReadField(long kind, int code, std::string_view text) {
    if (kind == KIND_BIDDING_LIST && code == kNorthCode) {
        SetNorthName(std::string(text));
    } else if (kind == KIND_BIDDING_LIST && code == kSouthCode) {
        SetSouthName(std::string(text));
    } else if (kind == KIND_BIDDING_DEAL && code == 0) {
        auto* deal = new CBiddingDeal;
        deal->SetName(std::string(text));
        deal->InsertIntoTree(this);
        deal->Serialize(*GetArchive(), GetProgress());
    }
}

// ---- Text ----

bool CBiddingList::GetText(std::string& text, bool) {
    AppendText(text);
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        text += "\r\n\r\n";
        GetNextChild(pos)->GetText(text, false);
    }
    return true;
}

void CBiddingList::AppendText(std::string& text) {
    text.append(GetName()).append("\r\nNorth:\t").append(m_northName);
    text.append("\r\nSouth:\t").append(m_southName).append("\r\n");
}

// ---- Commands ----

void CBiddingList::OnUpdateCommand(ICommandUI* commandUI) {
    if (commandUI->GetId() == ID_SELECT_NORTH) {
        commandUI->SetText(m_selectNorthText);
    } else if (commandUI->GetId() == ID_SELECT_SOUTH) {
        commandUI->SetText(m_selectSouthText);
    }
}

bool CBiddingList::OnCommand(CItemTree* tree, unsigned id) {
    const bool query = tree == nullptr;
    switch (id) {
        case ID_PROPERTIES:
            return query || ShowProperties(PROPERTIES_MODE_PROPERTIES);
        case ID_SELECT_NORTH:
            return query ? FirstDealNotHiddenFor(SEAT_NORTH) != nullptr
                         : SelectPlayer(tree, SEAT_NORTH);
        case ID_SELECT_SOUTH:
            return query ? FirstDealNotHiddenFor(SEAT_SOUTH) != nullptr
                         : SelectPlayer(tree, SEAT_SOUTH);
        case ID_VIEW_ALL:
            if (GetChildCount() == 0) {
                return false;
            }
            return query || static_cast<CTreeItem*>(GetChildAt(0))->OnCommand(tree, ID_OPEN);
        case ID_EXPORT:
            if (!query) {
                Export();
            }
            return true;
        case ID_IMPORT:
            // Not offered in the session's menus; the program may reach it otherwise.
            return !query && ImportWithDialog();
        case ID_UNHIDE_ALL:
            if (GetChildCount() == 0) {
                return false;
            }
            if (!query) {
                UnhideAll();
            }
            return true;
        default:
            return false;
    }
}

bool CBiddingList::SelectPlayer(CItemTree* tree, int seat) {
    CBiddingDeal* deal = FirstDealNotHiddenFor(seat);
    if (deal == nullptr) {
        return false;
    }
    deal->SetStartPlayer(seat);
    const bool result = deal->OnCommand(tree, ID_OPEN);
    // The dialog takes the start player when it loads the deal; without a dialog it must
    // not stay behind for a later opening.
    deal->SetStartPlayer(-1);
    return result;
}

CDeal* CBiddingList::CreateDeal() {
    return new CBiddingDeal;
}

bool CBiddingList::ImportBridgeDaFiles(const std::string& path) {
    return BridgeDa::ImportFiles(*this, path, [](CDeal& deal, CBridgeDaSet& set) {
        auto* biddingDeal = dynamic_cast<CBiddingDeal*>(&deal);
        return biddingDeal != nullptr &&
               biddingDeal->ReadBridgeDaDeal(set.North(), set.South(), set.East(), set.West(),
                                             set.HasEastWest());
    });
}

std::string CBiddingList::GetDefaultExtension() {
    switch (GetProfileInt(kSection, kFileTypeKey, FILE_TYPE_BRIDGE_DA)) {
        case FILE_TYPE_BRIDGE_DA:
            return "nth";
        case FILE_TYPE_PBN:
            return "pbn";
        default:
            return "*.*";
    }
}
