#include "items/StringTable.h"

#include "bidding/BiddingStrings.h"
#include "deals/DealsStrings.h"
#include "defence/DefenceStrings.h"
#include "items/ItemsStrings.h"
#include "table/TableStrings.h"

std::string LoadString(unsigned id) {
    for (const auto& table : {ItemsStringTable(), DealsStringTable(), BiddingStringTable(),
                              DefenceStringTable(), TableStringTable()}) {
        for (const StringResource& entry : table) {
            if (entry.id == id) {
                return entry.text;
            }
        }
    }
    return {};
}
