#include "gui/common/TextTable.h"

#include "gui/common/QtText.h"

QString TextFromTable(std::span<const StringResource> table, unsigned id) {
    RegisterStringTable(table);
    return FromBytes(LoadString(id));
}
