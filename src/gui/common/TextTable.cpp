#include "gui/common/TextTable.h"

QString TextFromTable(std::span<const StringResource> table, unsigned id) {
    for (const StringResource& entry : table) {
        if (entry.id == id) {
            return QString::fromUtf8(entry.text);
        }
    }
    return {};
}
