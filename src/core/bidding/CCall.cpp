#include "core/bidding/CCall.h"

#include <array>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/MultiLineValues.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/Decimal.h"

namespace {
constexpr int kFirstCode = IDC_1C;
constexpr int kLastCode = IDC_REDOUBLE;
constexpr int kPassIndex = kBidCount;
constexpr int kDoubleIndex = kBidCount + 1;
constexpr int kRedoubleIndex = kBidCount + 2;
constexpr char kStrainLetters[] = "CDHSN";

// The codes in call-index order, and the way back from a code, built from the one table.
struct CallTables {
    std::array<int, kCallCount> codeOfIndex{};
    std::array<int, kLastCode - kFirstCode + 1> indexOfCode{};
};

constexpr CallTables MakeCallTables() {
    CallTables tables;
    for (int& index : tables.indexOfCode) {
        index = -1;
    }
    for (int level = 0; level < kLevelCount; ++level) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            tables.codeOfIndex[level * kStrainCount + strain] = kBidCodes[level][strain];
        }
    }
    tables.codeOfIndex[kPassIndex] = IDC_PASS;
    tables.codeOfIndex[kDoubleIndex] = IDC_DOUBLE;
    tables.codeOfIndex[kRedoubleIndex] = IDC_REDOUBLE;
    for (int index = 0; index < kCallCount; ++index) {
        tables.indexOfCode[tables.codeOfIndex[index] - kFirstCode] = index;
    }
    return tables;
}

constexpr CallTables kTables = MakeCallTables();
}  // namespace

CCall::CCall(int code) : CItem(IDS_CALL, KIND_CALL) {
    SetCode(code);
}

CCall::CCall(int level, int strain) : CItem(std::string()) {
    SetCode(MakeCallCode(level, strain));
}

CCall::~CCall() = default;

void CCall::SetCode(int code) {
    m_code = code;
    SetName(GetCallText(code));
}

void CCall::AppendNote(const std::string& line, bool reset) {
    AppendValueLine(m_note, line, reset);
}

std::string CCall::GetNote() const {
    return m_note;
}

int CCall::GetStrain() const {
    return GetStrainOf(m_code);
}

bool CCall::IsEnabledIn(const CAuction& auction) const {
    return auction.IsCallEnabled(m_code);
}

CAuction& CCall::ProvideReplyTable() {
    if (m_replyTable == nullptr) {
        m_replyTable = std::make_unique<CAuction>(this);
    }
    return *m_replyTable;
}

void CCall::WriteFields() {
    WriteLine(1, static_cast<long>(m_code));
    WriteLine(2, m_note);
    if (m_replyTable != nullptr) {
        m_replyTable->Serialize(*GetArchive(), GetProgress());
    }
}

void CCall::ReadField(long kind, int code, std::string_view text) {
    if (kind == KIND_CALL && code == 1) {
        SetCode(DecimalValue(text));
    } else if (kind == KIND_CALL && code == 2) {
        AppendReadLine(m_note, text);
    } else if (kind == KIND_AUCTION && code == 0) {
        m_replyTable = std::make_unique<CAuction>(this);
        m_replyTable->Serialize(*GetArchive(), GetProgress());
    }
}

int CCall::MakeCallCode(int level, int strain) {
    if (level < 1 || level > kLevelCount || strain < 0 || strain >= kStrainCount) {
        return 0;
    }
    return kBidCodes[level - 1][strain];
}

int CCall::GetCallIndex(int code) {
    if (code < kFirstCode || code > kLastCode) {
        return -1;
    }
    return kTables.indexOfCode[code - kFirstCode];
}

int CCall::GetCodeOfIndex(int index) {
    return index >= 0 && index < kCallCount ? kTables.codeOfIndex[index] : 0;
}

Strain CCall::GetStrainOf(int code) {
    const int index = GetCallIndex(code);
    return index >= 0 && index < kBidCount ? static_cast<Strain>(index % kStrainCount)
                                           : STRAIN_NONE;
}

int CCall::GetLevelOf(int code) {
    const int index = GetCallIndex(code);
    return index >= 0 && index < kBidCount ? index / kStrainCount + 1 : 0;
}

std::string CCall::GetCallText(int code) {
    const int index = GetCallIndex(code);
    switch (index) {
        case -1:
            return std::string();
        case kPassIndex:
            return "P";
        case kDoubleIndex:
            return "D";
        case kRedoubleIndex:
            return "RD";
        default: {
            const char text[] = {static_cast<char>('1' + index / kStrainCount),
                                 kStrainLetters[index % kStrainCount], '\0'};
            return text;
        }
    }
}

int CCall::GetCallCode(const std::string& text) {
    for (int index = 0; index < kCallCount; ++index) {
        if (GetCallText(GetCodeOfIndex(index)) == text) {
            return GetCodeOfIndex(index);
        }
    }
    return -1;
}
