#include "core/items/CChildNameIndex.h"

#include <bit>
#include <functional>
#include <string_view>

#include "core/platform/Decimal.h"

namespace {
// Splits "base (n)", with n written as "%i" would write it and at least 2.
bool SplitSuffix(const std::string& name, std::string& base, int& suffix) {
    if (name.size() < 4 || name.back() != ')') {
        return false;
    }
    const std::size_t open = name.rfind(" (");
    if (open == std::string::npos) {
        return false;
    }
    const std::string digits = name.substr(open + 2, name.size() - open - 3);
    if (digits.empty() || digits.size() > 10 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    suffix = DecimalValue(digits);
    if (suffix < 2 || std::to_string(suffix) != digits) {
        return false;
    }
    base = name.substr(0, open);
    return true;
}
}  // namespace

void CChildNameIndex::Add(const std::string& name) {
    ++m_counts[name];
}

void CChildNameIndex::Remove(const std::string& name) {
    auto it = m_counts.find(name);
    if (it == m_counts.end()) {
        return;
    }
    if (--it->second > 0) {
        return;
    }
    m_counts.erase(it);
    std::string base;
    int suffix = 0;
    if (!m_firstFreeSuffix.empty() && SplitSuffix(name, base, suffix)) {
        auto hint = m_firstFreeSuffix.find(base);
        if (hint != m_firstFreeSuffix.end() && hint->second > suffix) {
            hint->second = suffix;
        }
    }
}

int CChildNameIndex::Count(const std::string& name) const {
    auto it = m_counts.find(name);
    return it == m_counts.end() ? 0 : it->second;
}

int CChildNameIndex::FirstFreeSuffix(const std::string& base) const {
    auto it = m_firstFreeSuffix.find(base);
    return it == m_firstFreeSuffix.end() ? 2 : it->second;
}

void CChildNameIndex::NoteSuffixTaken(const std::string& base, int suffix) {
    int& first = m_firstFreeSuffix.try_emplace(base, 2).first->second;
    if (suffix == first && suffix < 2147483647) {
        first = suffix + 1;
    }
}

// At most half the slots are ever taken, so a probe soon meets an empty one.
CDistinctNames::CDistinctNames(std::size_t count)
    : m_slots(std::bit_ceil(2 * count + 1)), m_mask(m_slots.size() - 1) {
    m_names.reserve(count);
}

bool CDistinctNames::Insert(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    const std::size_t hash = std::hash<std::string_view>()(name);
    const auto hashTag = static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
    std::size_t slot = hash & m_mask;
    for (; m_slots[slot].entry != 0; slot = (slot + 1) & m_mask) {
        const Slot& taken = m_slots[slot];
        if (taken.hashTag == hashTag && *m_names[taken.entry - 1] == name) {
            return false;
        }
    }
    m_names.push_back(&name);
    m_slots[slot] = {hashTag, static_cast<std::uint32_t>(m_names.size())};
    return true;
}
