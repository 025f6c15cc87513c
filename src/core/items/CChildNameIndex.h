#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// How many children of one item carry each name, so that the unique-name rule does not
// compare every pair of siblings. It also remembers, per base name, the lowest number n for
// which "base (n)" may be free: every lower one was taken when last looked at, and that
// stays true until a child gives such a name up.
class CChildNameIndex {
public:
    void Add(const std::string& name);
    void Remove(const std::string& name);
    int Count(const std::string& name) const;

    int FirstFreeSuffix(const std::string& base) const;
    void NoteSuffixTaken(const std::string& base, int suffix);

private:
    std::unordered_map<std::string, int> m_counts;
    std::unordered_map<std::string, int> m_firstFreeSuffix;
};

// Whether the names of a list are all different and none is empty, found in one look along
// the list without copying a name. Each slot of the table keeps part of its name's hash, so
// that a probe compares names, which lie all over memory, only when their hashes agree.
class CDistinctNames {
public:
    // For at most count names.
    explicit CDistinctNames(std::size_t count);
    // False when the name is empty or equal to one inserted before. The name must stay where
    // it is while the set lives.
    bool Insert(const std::string& name);

private:
    struct Slot {
        std::uint32_t hashTag = 0;
        std::uint32_t entry = 0;  // 0 for an empty slot, else 1 + the name's place in m_names
    };
    std::vector<Slot> m_slots;
    std::vector<const std::string*> m_names;
    std::size_t m_mask;
};
