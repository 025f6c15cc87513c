#include "core/deals/CNumberedItem.h"

#include <string_view>

#include "core/platform/Decimal.h"

CNumberedItem::CNumberedItem(unsigned defaultNameId, int kind, unsigned image,
                             unsigned expandedImage, unsigned contextMenu)
    : CTreeItem(defaultNameId, kind, image, expandedImage, contextMenu) {
    SetName(std::string("A1"));  // its sort key is worked out from the name when asked
}

namespace {
// Where the first digit of the name is; its size when it has none.
std::size_t FirstDigit(std::string_view name) {
    std::size_t at = 0;
    while (at < name.size() && (name[at] < '0' || name[at] > '9')) {
        ++at;
    }
    return at;
}
}  // namespace

std::string CNumberedItem::NamePrefixOf(const std::string& name) {
    return name.substr(0, FirstDigit(name));
}

int CNumberedItem::NumberOf(const std::string& name) {
    const std::size_t digits = FirstDigit(name);
    return digits == name.size() ? 0 : DecimalValue(std::string_view(name).substr(digits));
}

std::string CNumberedItem::GetNamePrefix() const {
    return NamePrefixOf(GetName());
}

int CNumberedItem::GetNumber() const {
    return NumberOf(GetName());
}

long CNumberedItem::GetSortKey() const {
    const std::string name = GetName();
    // The first letter of the prefix, none when the name starts with its number.
    const long firstCode = FirstDigit(name) == 0 ? 0 : static_cast<unsigned char>(name[0]);
    return NumberOf(name) + ('Z' - firstCode) * 10000L;
}

void CNumberedItem::NameAfterLastChild(CTreeItem* list) {
    const int count = list->GetChildCount();
    if (count == 0) {
        return;
    }
    const std::string lastName = list->GetChildAt(count - 1)->GetName();
    const long long next = static_cast<long long>(NumberOf(lastName)) + 1;
    SetName(NamePrefixOf(lastName) + std::to_string(next));
}
