#include "core/items/CItem.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/items/CArchive.h"
#include "core/items/CChildNameIndex.h"
#include "core/items/StringTable.h"
#include "core/platform/CFile.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/Decimal.h"
#include "core/platform/Prompts.h"

namespace {
constexpr int kOpeningCode = 0;
constexpr int kClosingCode = 99;
// A line starts with its record's kind and its field's code, zero-padded to these widths.
constexpr int kKindWidth = 5;
constexpr int kCodeWidth = 2;
// Records nest (a call's reply table holds calls with reply tables of their own); a hostile
// file could nest them without end, so deeper records are read past without being built.
constexpr int kMaxNesting = 400;

constexpr int kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                100000, 1000000, 10000000, 100000000, 1000000000};

// Appends value in decimal as printf's "%0*i" would: the sign first, then zeros up to width.
// Digit by digit: it writes every line's header, and the numbers are short.
char* AppendDecimal(char* out, int value, int width = 0) {
    if (width > 0 && value >= 0 && value < kPowersOfTen[std::min(width, 9)]) {
        // Exactly width digits (a header's kind and code), each written into its place.
        for (int at = width - 1; at >= 0; --at) {
            out[at] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        return out + width;
    }
    char digits[10];  // last digit first
    int count = 0;
    // Unsigned, so that the most negative value has a magnitude too.
    unsigned magnitude = static_cast<unsigned>(value);
    if (value < 0) {
        magnitude = 0u - magnitude;
        *out++ = '-';
        --width;
    }
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    for (int zeros = width - count; zeros > 0; --zeros) {
        *out++ = '0';
    }
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

// The longest header: four numbers of up to eleven characters and a comma.
constexpr std::size_t kMaxHeaderLength = 48;

// Writes the line's start, at most kMaxHeaderLength bytes: kind and code zero-padded
// ("%05i%02i"), then "a," and b when given. Returns the end of what it wrote.
char* AppendHeader(char* header, int kind, int code, int a, int b) {
    char* end = AppendDecimal(header, kind, kKindWidth);
    end = AppendDecimal(end, code, kCodeWidth);
    if (a >= 0) {
        end = AppendDecimal(end, a);
        *end++ = ',';
        if (b >= 0) {
            end = AppendDecimal(end, b);
        }
    }
    return end;
}

struct LineHeader {
    long kind;
    int code;
};

// A read line's kind and code. Seven plain digits, as written, are read in one go; anything
// else is read as numbers from the kind's and the code's places.
LineHeader ReadHeader(std::string_view line) {
    constexpr auto kWidth = static_cast<std::size_t>(kKindWidth + kCodeWidth);
    if (line.size() >= kWidth) {
        unsigned value = 0;
        bool plain = true;
        for (std::size_t at = 0; at < kWidth; ++at) {
            const unsigned digit = static_cast<unsigned char>(line[at]) - unsigned{'0'};
            plain = plain && digit <= 9;
            value = value * 10 + digit;
        }
        if (plain) {
            return {static_cast<long>(value / 100), static_cast<int>(value % 100)};
        }
    }
    const std::size_t kindWidth = kKindWidth;
    return {PlainDecimalValue(line.substr(0, kindWidth)),
            line.size() > kindWidth ? PlainDecimalValue(line.substr(kindWidth, kCodeWidth)) : 0};
}
}  // namespace

CItem::CItem(unsigned defaultNameId, int kind) {
    SetKind(kind);
    SetParent(nullptr);
    SetSortKey(0);
    SetSortKey2(0);
    SetSortingChildren(true);
    SetName(defaultNameId);
}

CItem::CItem(const std::string& name) {
    SetKind(0);
    SetParent(nullptr);
    SetSortKey(0);
    SetSortKey2(0);
    SetSortingChildren(true);
    SetName(name);
}

CItem::~CItem() {
    m_nameIndex.reset();  // nobody asks for names any more: it need not follow each child out
    // Virtual calls here would reach only this class, so the list is cleared directly.
    while (m_firstChild != nullptr) {
        CItem* child = m_firstChild;
        Unlink(child);
        delete child;
    }
    if (m_listOwner != nullptr) {
        m_listOwner->Unlink(this);
    }
}

// ---- Serialization ----

bool CItem::Serialize(CArchive& ar, CStatusProgress* progress) {
    // The archive and the progress live only as long as this load or save, however it ends.
    struct Forget {
        CItem& item;
        ~Forget() {
            item.m_archive = nullptr;
            item.m_progress = nullptr;
        }
    } forget{*this};
    m_archive = &ar;
    m_progress = progress;
    if (ar.IsStoring()) {
        WriteItem();
        return true;
    }
    return ReadItem(ar);
}

void CItem::WriteItem() {
    if (GetFileVersion() > 0) {
        WriteLine(kOpeningCode, static_cast<long>(GetFileVersion()));
    }
    WriteLine(kOpeningCode, GetName());
    if (m_progress != nullptr) {
        m_progress->SetPos(1);
    }
    WriteFields();
    for (CItem* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
        child->Serialize(*m_archive, m_progress);
    }
    WriteLine(kClosingCode, std::string());
}

bool CItem::ReadItem(CArchive& ar) {
    CFile& file = ar.GetFile();
    bool firstLineOfFile = file.GetPosition() == 0;
    const int depth = ar.EnterRecord();
    const bool tooDeep = depth > kMaxNesting;
    std::string& spill = ar.LineBuffer(depth);
    std::string_view line;
    bool result = true;
    while (ar.ReadLine(line, spill)) {
        if (m_progress != nullptr) {
            m_progress->SetPos(file.GetPosition());
        }
        const auto [kind, code] = ReadHeader(line);
        const std::string_view text =
            line.substr(std::min<std::size_t>(line.size(), kKindWidth + kCodeWidth));
        if (code == kClosingCode) {
            break;
        }
        if (firstLineOfFile && GetFileVersion() > 0) {
            if (!IsFileVersionSupported(DecimalValue(text))) {
                result = false;
                break;
            }
            firstLineOfFile = false;
            continue;
        }
        if (!tooDeep) {
            ReadField(kind, code, text);
        }
    }
    ar.LeaveRecord();
    return result;
}

bool CItem::TakeEmptyRecord() {
    std::string_view line;
    if (m_archive == nullptr || !m_archive->PeekLine(line) ||
        ReadHeader(line).code != kClosingCode) {
        return false;
    }
    std::string unused;  // the peeked line lies whole in the buffer: it is not gathered
    m_archive->ReadLine(line, unused);
    return true;
}

int CItem::GetMinFileVersion() const {
    return 0;
}

int CItem::GetFileVersion() const {
    return 0;
}

bool CItem::IsFileVersionSupported(int version) const {
    return GetMinFileVersion() <= version && version <= GetFileVersion();
}

void CItem::WriteFields() {}

void CItem::ReadField(long, int, std::string_view) {}

void CItem::WriteLine(int code, std::string_view value, int a, int b) {
    if (m_archive == nullptr) {
        return;
    }
    char headerBytes[kMaxHeaderLength];
    const std::string_view header(
        headerBytes,
        static_cast<std::size_t>(AppendHeader(headerBytes, m_kind, code, a, b) - headerBytes));
    // Every line end inside the value (CR LF, a lone LF, a lone CR) starts a new line, so
    // no value can break the line format. The value is taken as if it ended with CR LF.
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = start + CArchive::LineLength(value.substr(start));
        std::size_t next = end + 1;
        if (end < value.size() && value[end] == '\r' && next < value.size() &&
            value[next] == '\n') {
            ++next;
        }
        const bool lastPiece = next > value.size();
        const std::string_view piece = value.substr(start, end - start);
        if (!(piece.empty() && lastPiece && code != kOpeningCode && code != kClosingCode)) {
            m_archive->WriteLine(header, piece);
        }
        start = next;
    }
}

void CItem::WriteLine(int code, long value, int a, int b) {
    if (m_archive == nullptr) {
        return;
    }
    // A number holds no line end, so its line goes out whole: most lines of a deal are one.
    char line[kMaxHeaderLength + 24];
    char* end = AppendHeader(line, m_kind, code, a, b);
    end = std::to_chars(end, line + sizeof line - 2, value).ptr;
    *end++ = '\r';
    *end++ = '\n';
    m_archive->WriteString(std::string_view(line, static_cast<std::size_t>(end - line)));
}

std::string_view CItem::NextToken(std::string_view& rest) {
    const std::size_t comma = std::min(rest.find(','), rest.size());
    const std::string_view token = rest.substr(0, comma);
    rest.remove_prefix(std::min(comma + 1, rest.size()));
    return token;
}

bool CItem::CopyToClipboard() {
    std::string text;
    if (!GetText(text, true)) {
        return false;
    }
    return SetClipboardText(text);
}

// ---- Identity ----

CItem* CItem::GetParent() const {
    return m_parent;
}

CTreeItem* CItem::AsTreeItem() {
    return nullptr;
}

std::string CItem::GetName() const {
    return m_name;
}

int CItem::GetKind() const {
    return m_kind;
}

int CItem::GetIndex() const {
    if (m_listOwner == nullptr) {
        return -1;
    }
    int index = 0;
    for (const CItem* item = m_listOwner->m_firstChild; item != this; item = item->m_nextSibling) {
        ++index;
    }
    return index;
}

long CItem::GetSortKey() const {
    return m_sortKey;
}

long CItem::GetSortKey2() const {
    return m_sortKey2;
}

bool CItem::IsSortingChildren() const {
    return m_sortingChildren;
}

void CItem::SetParent(CItem* parent) {
    m_parent = parent;
}

void CItem::SetName(unsigned stringId) {
    SetName(LoadString(stringId));
}

void CItem::SetName(const std::string& name) {
    if (m_listOwner != nullptr && m_listOwner->m_nameIndex != nullptr) {
        m_listOwner->m_nameIndex->Remove(m_name);
        m_listOwner->m_nameIndex->Add(name);
    }
    m_name = name;
    if (m_parent != nullptr) {
        m_parent->OnChildChanged();
    }
}

void CItem::SetKind(int kind) {
    m_kind = kind;
}

void CItem::SetSortKey(long key) {
    m_sortKey = key;
}

void CItem::SetSortKey2(long key) {
    m_sortKey2 = key;
}

void CItem::SetSortingChildren(bool sorting) {
    m_sortingChildren = sorting;
}

void CItem::OnChildChanged() {}

// ---- The child list ----

void CItem::LinkBefore(CItem* child, CItem* next) {
    if (child->m_listOwner != nullptr) {
        child->m_listOwner->Unlink(child);
    }
    child->m_listOwner = this;
    child->m_nextSibling = next;
    child->m_prevSibling = next != nullptr ? next->m_prevSibling : m_lastChild;
    if (child->m_prevSibling != nullptr) {
        child->m_prevSibling->m_nextSibling = child;
    } else {
        m_firstChild = child;
    }
    if (next != nullptr) {
        next->m_prevSibling = child;
    } else {
        m_lastChild = child;
    }
    ++m_childCount;
    if (m_nameIndex != nullptr) {
        m_nameIndex->Add(child->m_name);
    }
}

void CItem::Unlink(CItem* child) {
    if (child->m_prevSibling != nullptr) {
        child->m_prevSibling->m_nextSibling = child->m_nextSibling;
    } else {
        m_firstChild = child->m_nextSibling;
    }
    if (child->m_nextSibling != nullptr) {
        child->m_nextSibling->m_prevSibling = child->m_prevSibling;
    } else {
        m_lastChild = child->m_prevSibling;
    }
    child->m_prevSibling = nullptr;
    child->m_nextSibling = nullptr;
    child->m_listOwner = nullptr;
    --m_childCount;
    if (m_nameIndex != nullptr) {
        m_nameIndex->Remove(child->m_name);
    }
}

void CItem::AppendTo(CItem* parent, bool link) {
    parent->LinkBefore(this, nullptr);
    if (link) {
        SetParent(parent);
    }
}

void CItem::InsertInto(CItem* parent, int index, bool link) {
    CItem* next = index >= 0 ? parent->GetChildAt(index) : nullptr;
    if (next == nullptr || next == this) {
        AppendTo(parent, link);
        return;
    }
    parent->LinkBefore(this, next);
    if (link) {
        SetParent(parent);
    }
}

void CItem::Detach() {
    if (m_listOwner != nullptr) {
        m_listOwner->Unlink(this);
    }
    SetParent(nullptr);
}

void CItem::MoveTo(CItem* parent, int index) {
    Detach();
    if (index < 0) {
        AppendTo(parent, true);
    } else {
        InsertInto(parent, index, true);
    }
}

void CItem::GetHeadChildPosition(POSITION& pos) const {
    pos = POSITION(m_firstChild);
}

void CItem::GetTailChildPosition(POSITION& pos) const {
    pos = POSITION(m_lastChild);
}

CItem* CItem::GetNextChild(POSITION& pos) const {
    CItem* item = pos.m_item;
    pos = POSITION(item != nullptr ? item->m_nextSibling : nullptr);
    return item;
}

CItem* CItem::GetPrevChild(POSITION& pos) const {
    CItem* item = pos.m_item;
    pos = POSITION(item != nullptr ? item->m_prevSibling : nullptr);
    return item;
}

CItem* CItem::GetChildAt(int index) const {
    if (index < 0 || index >= m_childCount) {
        return nullptr;
    }
    if (index < m_childCount / 2) {
        CItem* item = m_firstChild;
        for (int i = 0; i < index; ++i) {
            item = item->m_nextSibling;
        }
        return item;
    }
    CItem* item = m_lastChild;
    for (int i = m_childCount - 1; i > index; --i) {
        item = item->m_prevSibling;
    }
    return item;
}

CItem* CItem::FindChild(const std::string& name) const {
    for (CItem* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
        if (child->GetName() == name) {
            return child;
        }
    }
    return nullptr;
}

CItem* CItem::FindKind(int kind, bool skipSelf) {
    if (!skipSelf && GetKind() == kind) {
        return this;
    }
    for (CItem* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
        if (CItem* found = child->FindKind(kind, false)) {
            return found;
        }
    }
    return nullptr;
}

bool CItem::Open() {
    return false;
}

bool CItem::GetText(std::string&, bool) {
    return false;
}

void CItem::AppendText(std::string&) {}

// ---- Names among siblings ----

CChildNameIndex& CItem::NameIndex() const {
    if (m_nameIndex == nullptr) {
        m_nameIndex = std::make_unique<CChildNameIndex>();
        for (const CItem* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
            m_nameIndex->Add(child->m_name);
        }
    }
    return *m_nameIndex;
}

int CItem::CountChildrenNamed(const std::string& name, const CItem* except) const {
    int count = NameIndex().Count(name);
    if (except != nullptr && except->m_listOwner == this && except->m_name == name) {
        --count;
    }
    return count;
}

int CItem::FirstFreeSuffix(const std::string& base) const {
    return NameIndex().FirstFreeSuffix(base);
}

void CItem::NoteSuffixTaken(const std::string& base, int suffix) {
    NameIndex().NoteSuffixTaken(base, suffix);
}

bool CItem::HasDistinctChildNames() const {
    CDistinctNames names(static_cast<std::size_t>(m_childCount));
    for (const CItem* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
        if (!names.Insert(child->m_name)) {
            return false;
        }
    }
    return true;
}
