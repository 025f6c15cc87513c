#pragma once

#include "core/items/CTreeItem.h"

// A tree item whose name ends in a number (A1, A2, ... Board 7): the number orders the items
// and, for a deal, is the board number.
class CNumberedItem : public CTreeItem {
public:
    CNumberedItem(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
                  unsigned contextMenu);

    // The characters of the name before its first digit (the whole name without digits).
    std::string GetNamePrefix() const;
    // The decimal number after the prefix; 0 without digits, at most 2147483647.
    int GetNumber() const;
    long GetSortKey() const override;
    // Names this item after the list's last child, its number plus one ("A7" after "A6").
    void NameAfterLastChild(CTreeItem* list);

    // The prefix and number of any name.
    static std::string NamePrefixOf(const std::string& name);
    static int NumberOf(const std::string& name);
};
