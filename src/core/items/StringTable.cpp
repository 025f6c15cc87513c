#include "core/items/StringTable.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/items/ItemsStrings.h"

namespace {
std::vector<std::span<const StringResource>>& RegisteredTables() {
    static std::vector<std::span<const StringResource>> tables{ItemsStringTable()};
    return tables;
}
}  // namespace

void RegisterStringTable(std::span<const StringResource> table) {
    auto& tables = RegisteredTables();
    const bool known = std::any_of(tables.begin(), tables.end(), [&](const auto& registered) {
        return registered.data() == table.data();
    });
    if (known) {
        return;
    }
    for (const StringResource& entry : table) {
        if (!LoadString(entry.id).empty()) {
            throw std::logic_error("two string tables share the id " + std::to_string(entry.id));
        }
    }
    tables.push_back(table);
}

std::string LoadStringFrom(std::span<const StringResource> table, unsigned id) {
    for (const StringResource& entry : table) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

std::string LoadString(unsigned id) {
    for (const auto& table : RegisteredTables()) {
        if (std::string text = LoadStringFrom(table, id); !text.empty()) {
            return text;
        }
    }
    return {};
}
