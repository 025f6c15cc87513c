#include "core/items/StringTable.h"

#include "core/bidding/BiddingStrings.h"
#include "core/deals/DealsStrings.h"
#include "core/defence/DefenceStrings.h"
#include "core/items/ItemsStrings.h"
#include "core/table/TableStrings.h"

std::string LoadStringFrom(std::span<const StringResource> table, unsigned id) {
    for (const StringResource& entry : table) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

std::string LoadString(unsigned id) {
    for (const auto& table : {ItemsStringTable(), DealsStringTable(), BiddingStringTable(),
                              DefenceStringTable(), TableStringTable()}) {
        if (std::string text = LoadStringFrom(table, id); !text.empty()) {
            return text;
        }
    }
    return {};
}
