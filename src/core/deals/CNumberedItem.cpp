#include "core/deals/CNumberedItem.h"

#include "core/platform/Decimal.h"

CNumberedItem::CNumberedItem(unsigned defaultNameId, int kind, unsigned image,
                             unsigned expandedImage, unsigned contextMenu)
    : CTreeItem(defaultNameId, kind, image, expandedImage, contextMenu) {
    SetName(std::string("A1"));
    SetSortKey(GetSortKey());
}

std::string CNumberedItem::NamePrefixOf(const std::string& name) {
    return name.substr(0, name.find_first_of("0123456789"));
}

int CNumberedItem::NumberOf(const std::string& name) {
    const std::size_t digits = name.find_first_of("0123456789");
    return digits == std::string::npos ? 0 : DecimalValue(std::string_view(name).substr(digits));
}

std::string CNumberedItem::GetNamePrefix() {
    m_namePrefix = NamePrefixOf(GetName());
    return m_namePrefix;
}

int CNumberedItem::GetNumber() {
    return NumberOf(GetName());
}

long CNumberedItem::GetSortKey() const {
    const std::string name = GetName();
    const std::string prefix = NamePrefixOf(name);
    const long firstCode = prefix.empty() ? 0 : static_cast<unsigned char>(prefix[0]);
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
