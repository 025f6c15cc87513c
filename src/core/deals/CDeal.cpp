#include "core/deals/CDeal.h"

#include <algorithm>
#include <cstring>

#include "core/deals/CPbnGame.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/deals/PbnFiles.h"
#include "core/platform/Prompts.h"

namespace {
constexpr int kViewAllHands = 4;
constexpr int kCardsPerSuit = CDeal::kCardsPerSuit;
constexpr const char* kCardLetters = CDeal::kCardLetters;

// "A" 1, "K" 2, "Q" 3, "J" 4, "T" 5, "9" 6 ... "2" 13; any other byte 0. A table, because
// every imported deal sorts and every export checks each of its cards.
constexpr std::array<unsigned char, 256> kRankValues = [] {
    std::array<unsigned char, 256> values{};
    for (int rank = 0; rank < kCardsPerSuit; ++rank) {
        values[static_cast<unsigned char>(kCardLetters[rank])] =
            static_cast<unsigned char>(rank + 1);
    }
    return values;
}();

int RankValueOf(char c) {
    return kRankValues[static_cast<unsigned char>(c)];
}
}  // namespace

CDeal::CDeal(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
             unsigned contextMenu)
    : CNumberedItem(defaultNameId, kind, image, expandedImage, contextMenu) {
    SetCanRename(false);
    CDeal::ResetDeal();
}

bool CDeal::IsValidSeatAndSuit(int seat, int suit) {
    return seat >= 0 && seat < kSeatCount && suit >= 0 && suit < kSuitCount;
}

int CDeal::GetRankValue(const std::string& text, std::size_t pos) {
    return pos < text.size() ? RankValueOf(text[pos]) : 0;
}

int CDeal::GetRankValue(char letter) {
    return RankValueOf(letter);
}

int CDeal::GetCardNumber(int suit, const std::string& text, std::size_t pos) {
    return suit * kCardsPerSuit + GetRankValue(text, pos);
}

std::pair<std::size_t, std::size_t> CDeal::SuitRange(int seat, int suit) const {
    std::size_t first = 0;
    for (int field = seat * kSuitCount + suit; field > 0; --field) {
        first = m_cards.find(',', first) + 1;
    }
    return {first, std::min(m_cards.find(',', first), m_cards.size())};
}

std::string CDeal::GetSuitText(int seat, int suit) const {
    if (!IsValidSeatAndSuit(seat, suit)) {
        return std::string();
    }
    const auto [first, last] = SuitRange(seat, suit);
    return m_cards.substr(first, last - first);
}

namespace {
// What a suit text keeps of the given letters: no commas, no line ends.
void AppendSuitLetters(std::string& cards, const std::string& text) {
    const auto isDropped = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), isDropped)) {
        cards += text;  // the usual case, at once
        return;
    }
    for (char c : text) {
        if (!isDropped(c)) {
            cards += c;
        }
    }
}
}  // namespace

void CDeal::SetSuitText(int seat, int suit, const std::string& text, bool replace) {
    if (!IsValidSeatAndSuit(seat, suit)) {
        return;
    }
    auto [first, last] = SuitRange(seat, suit);
    if (replace) {
        m_cards.erase(first, last - first);
        last = first;
    }
    std::string letters;
    AppendSuitLetters(letters, text);
    m_cards.insert(last, letters);
}

void CDeal::AppendSuitTexts(const SuitTexts& texts) {
    std::size_t size = m_cards.size();
    for (const std::string& text : texts) {
        size += text.size();
    }
    std::string cards;
    cards.reserve(size);
    // One walk along the present suits, each followed by its new letters.
    std::size_t at = 0;
    for (std::size_t field = 0; field < texts.size(); ++field) {
        if (field > 0) {
            cards += ',';
        }
        const std::size_t first = at;
        while (at < m_cards.size() && m_cards[at] != ',') {
            ++at;
        }
        cards.append(m_cards, first, at - first);
        at = std::min(at + 1, m_cards.size());
        AppendSuitLetters(cards, texts[field]);
    }
    m_cards = std::move(cards);
}

void CDeal::AppendCards(std::string_view joined) {
    // Whole-text scans, many bytes at a time: sixteen suits and no line end.
    const bool asStored =
        std::count(joined.begin(), joined.end(), ',') == kSeatCount * kSuitCount - 1 &&
        std::memchr(joined.data(), '\r', joined.size()) == nullptr &&
        std::memchr(joined.data(), '\n', joined.size()) == nullptr;
    if (asStored && HasNoCards()) {
        m_cards.assign(joined);
        return;
    }
    AppendSuitTexts(SplitCards(joined));
}

CDeal::SuitTexts CDeal::SplitCards(std::string_view joined) {
    SuitTexts texts;
    std::size_t field = 0;
    for (const char c : joined) {
        if (c != ',') {
            texts[field] += c;
        } else if (++field == texts.size()) {
            break;
        }
    }
    return texts;
}

void CDeal::AddCard(int seat, int cardNumber) {
    if (cardNumber < 1 || cardNumber > kCardCount) {
        return;
    }
    SetSuitText(seat, SuitOfCard(cardNumber), std::string(1, CardLetter(cardNumber)), false);
}

namespace {
// Suits of up to this many letters are sorted by insertion: fast for the few letters of a
// real suit, and at once for a suit that is sorted already, as most files give them.
constexpr std::size_t kInsertionSortLimit = 32;

// Orders the letters by rank value, ace first; letters of no rank come first. Stable.
void SortLetters(char* letters, std::size_t count, std::string& scratch) {
    if (count <= kInsertionSortLimit) {
        for (std::size_t i = 1; i < count; ++i) {
            const char letter = letters[i];
            std::size_t at = i;
            for (; at > 0 && RankValueOf(letters[at - 1]) > RankValueOf(letter); --at) {
                letters[at] = letters[at - 1];
            }
            letters[at] = letter;
        }
        return;
    }
    // A longer suit, which only a hostile file makes, in time linear in its length: the
    // letters of each rank value, in their order, go after those of the lower values.
    std::array<std::size_t, kCardsPerSuit + 2> start{};  // start[v + 1]: letters of value v
    for (std::size_t i = 0; i < count; ++i) {
        ++start[static_cast<std::size_t>(RankValueOf(letters[i])) + 1];
    }
    for (std::size_t value = 1; value < start.size(); ++value) {
        start[value] += start[value - 1];
    }
    scratch.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        scratch[start[static_cast<std::size_t>(RankValueOf(letters[i]))]++] = letters[i];
    }
    std::copy(scratch.begin(), scratch.end(), letters);
}
}  // namespace

void CDeal::SortSuit(int seat, int suit) {
    if (!IsValidSeatAndSuit(seat, suit)) {
        return;
    }
    const auto [first, last] = SuitRange(seat, suit);
    std::string scratch;
    SortLetters(m_cards.data() + first, last - first, scratch);
}

void CDeal::SortHands() {
    // One pass over the comma-joined suits: most deals come sorted, so a suit is sorted where
    // it stands only when a letter of it is out of order.
    std::string scratch;
    std::size_t first = 0;
    int previous = 0;
    bool inOrder = true;
    for (std::size_t at = 0; at <= m_cards.size(); ++at) {
        if (at == m_cards.size() || m_cards[at] == ',') {
            if (!inOrder) {
                SortLetters(m_cards.data() + first, at - first, scratch);
            }
            first = at + 1;
            previous = 0;
            inOrder = true;
        } else {
            const int value = RankValueOf(m_cards[at]);
            inOrder = inOrder && value >= previous;
            previous = value;
        }
    }
}

bool CDeal::HasNoCards() const {
    return m_cards.find_first_not_of(',') == std::string::npos;
}

void CDeal::CompleteEmptyHand(SuitTexts& texts) {
    bool held[kCardCount + 1] = {};
    int emptySeat = -1;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        bool empty = true;
        for (int suit = 0; suit < kSuitCount; ++suit) {
            const std::string& text = texts[static_cast<std::size_t>(seat * kSuitCount + suit)];
            empty = empty && text.empty();
            // A letter of no rank makes a hand no longer empty, and holds no card.
            for (const char letter : text) {
                if (RankValueOf(letter) != 0) {
                    held[suit * kCardsPerSuit + RankValueOf(letter)] = true;
                }
            }
        }
        if (empty) {
            emptySeat = seat;
        }
    }
    if (emptySeat < 0) {
        return;
    }
    // Each suit's missing cards in rank order, as AddCard would give them one by one.
    for (int card = 1; card <= kCardCount; ++card) {
        if (!held[card]) {
            texts[static_cast<std::size_t>(emptySeat * kSuitCount + SuitOfCard(card))] +=
                CardLetter(card);
        }
    }
}

void CDeal::ReadHands(long code, std::string_view text) {
    if (code != 1) {
        return;
    }
    // The first 16 fields are the suits; missing ones are empty, further ones are dropped.
    constexpr int kSeparators = kSeatCount * kSuitCount - 1;
    if (std::count(text.begin(), text.end(), ',') == kSeparators) {
        m_cards.assign(text);  // as this program writes it
        return;
    }
    int separators = 0;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        if (text[end] == ',' && separators++ == kSeparators) {
            break;
        }
    }
    m_cards.assign(text, 0, end);
    m_cards.append(static_cast<std::size_t>(kSeparators - std::min(separators, kSeparators)), ',');
}

std::string CDeal::GetEvent() const {
    return m_event;
}

void CDeal::SetEvent(const std::string& event) {
    m_event = event;
}

void CDeal::GetVisibleHand(int seat, std::string& spades, std::string& hearts,
                           std::string& diamonds, std::string& clubs, int view) const {
    const bool visible = view == kViewAllHands || view == seat;
    spades = visible ? GetSuitText(seat, SUIT_SPADES) : std::string();
    hearts = visible ? GetSuitText(seat, SUIT_HEARTS) : std::string();
    diamonds = visible ? GetSuitText(seat, SUIT_DIAMONDS) : std::string();
    clubs = visible ? GetSuitText(seat, SUIT_CLUBS) : std::string();
}

bool CDeal::ChooseImportFile(std::string& path, std::string& ext) {
    FileChoice choice;
    choice.filter = GetImportFilter();
    choice.defaultExtension = "dup";
    choice.mustExist = true;
    std::string chosen;
    if (!::ChooseOpenFile(choice, chosen)) {
        return false;
    }
    path = chosen;
    ext = FileExtensionOf(chosen);
    return true;
}

bool CDeal::BrowseImportFile(std::string& path) {
    std::string ext;
    return ChooseImportFile(path, ext);
}

bool CDeal::ChooseExportFile(std::string& path, std::string& ext, DealExportOptions* options) {
    FileChoice choice;
    choice.defaultExtension = "dup";
    choice.confirmOverwrite = true;
    if (options != nullptr) {
        choice.optionText = LoadString(IDS_EXPORT_WITH_AUCTIONS);
        choice.option = &options->withAuctions;
    }
    std::string chosen;
    if (!::ChooseSaveFile(choice, chosen)) {
        return false;
    }
    // A name typed without extension gets the default one, as the save dialog does.
    if (!HasFileExtension(chosen)) {
        chosen += "." + choice.defaultExtension;
    }
    path = chosen;
    ext = ToUpperAscii(FileExtensionOf(chosen));
    return true;
}

bool CDeal::ReadFromFile(CFile& file, const std::string& ext) {
    const IDealFileFormat* format = FindDealFileFormat(ext);
    if (format == nullptr || !format->ReadDeal(file, *this)) {
        return false;
    }
    SortHands();
    return true;
}

bool CDeal::WriteToFile(CFile& file, const std::string& ext, bool first, int dealCount,
                        const DealExportOptions& options) {
    const IDealFileFormat* format = FindDealFileFormat(ext);
    if (format == nullptr || !format->CanWrite()) {
        return true;
    }
    if (!format->Holds(*this)) {
        return false;
    }
    format->WriteDeal(file, *this, first, dealCount, options);
    return true;
}

bool CDeal::ReadPbnGame(CFile& file) {
    // Header lines of escapes, and the statistics some generators print after the last
    // game, make "games" without a tag pair: they are no deals, so reading goes on.
    for (;;) {
        ResetDeal();
        CPbnGame game;
        if (!game.ReadGame(file, this)) {
            return false;
        }
        if (game.HasTagPair()) {
            TakePbnGame(&game);
            return true;
        }
    }
}

void CDeal::WritePbnGame(CFile& file, bool first, bool withAuction) {
    Pbn::Auction auction;
    Pbn::WriteGame(file, *this, first, withAuction && GetPbnAuction(auction) ? &auction : nullptr);
}

bool CDeal::GetPbnAuction(Pbn::Auction&) {
    return false;
}

int CDeal::GetDealer() {
    switch ((static_cast<long long>(GetNumber()) - 1) % 4) {
        case 0:
            return SEAT_NORTH;
        case 1:
            return SEAT_EAST;
        case 2:
            return SEAT_SOUTH;
        default:
            return SEAT_WEST;  // also board 0
    }
}

int CDeal::GetVulnerability() {
    switch ((static_cast<long long>(GetNumber()) - 1) % 16) {
        case 1:
        case 4:
        case 11:
        case 14:
            return VULNERABLE_NORTH_SOUTH;
        case 2:
        case 5:
        case 8:
        case 15:
            return VULNERABLE_EAST_WEST;
        case 3:
        case 6:
        case 9:
        case 12:
            return VULNERABLE_ALL;
        default:
            return VULNERABLE_NONE;  // also board 0
    }
}

void CDeal::GetDescription(std::string& out) {
    std::string dealer;
    GetSeatName(dealer, GetDealer(), 0);
    std::string vulnerability;
    GetVulnerabilityName(vulnerability, GetVulnerability());
    out = dealer + " / " + vulnerability;
}

void CDeal::WriteFields() {
    WriteLine(1, m_cards);
}

long CDeal::GetSortKey() const {
    return CNumberedItem::GetSortKey();
}

bool CDeal::Open() {
    return false;
}

bool CDeal::OnDoubleClick(CItemTree* tree) {
    if (tree != nullptr && Open()) {
        if (auto* parent = GetTreeParent()) {
            parent->SetModified();
        }
    }
    return true;
}

void CDeal::ResetDeal() {
    m_event.clear();
    m_cards.assign(kSeatCount * kSuitCount - 1, ',');
}

std::string CDeal::GetImportFilter() {
    return {};
}
void CDeal::TakePbnGame(CPbnGame*) {}
