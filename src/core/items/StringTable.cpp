#include "core/items/StringTable.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "core/items/ItemsStrings.h"

namespace {
// The registered tables, and every text by its id for a lookup without a search: names are
// looked up for every item made, and an import makes hundreds of thousands.
struct Registry {
    std::vector<const StringResource*> tables;
    std::unordered_map<unsigned, const char*> texts;

    void Add(std::span<const StringResource> table) {
        tables.push_back(table.data());
        for (const StringResource& entry : table) {
            texts.emplace(entry.id, entry.text);
        }
    }
};

Registry& TheRegistry() {
    static Registry registry = [] {
        Registry items;
        items.Add(ItemsStringTable());
        return items;
    }();
    return registry;
}
}  // namespace

void RegisterStringTable(std::span<const StringResource> table) {
    Registry& registry = TheRegistry();
    if (std::find(registry.tables.begin(), registry.tables.end(), table.data()) !=
        registry.tables.end()) {
        return;
    }
    for (const StringResource& entry : table) {
        if (!LoadString(entry.id).empty()) {
            throw std::logic_error("two string tables share the id " + std::to_string(entry.id));
        }
    }
    registry.Add(table);
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
    const auto& texts = TheRegistry().texts;
    const auto found = texts.find(id);
    return found != texts.end() ? found->second : std::string();
}
