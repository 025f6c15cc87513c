#include <string>

#include <gtest/gtest.h>

#include "core/items/CItem.h"

namespace {
int g_destroyed = 0;

class CNamed : public CItem {
public:
    explicit CNamed(const std::string& name) : CItem(name) {}
    ~CNamed() override { ++g_destroyed; }
};

std::string Names(const CItem& parent) {
    std::string names;
    POSITION pos;
    for (parent.GetHeadChildPosition(pos); pos;) {
        names += parent.GetNextChild(pos)->GetName();
    }
    return names;
}

// Children named by the letters of names, linked.
void Fill(CItem& parent, const std::string& names) {
    for (char c : names) {
        (new CNamed(std::string(1, c)))->AppendTo(&parent, true);
    }
}
}  // namespace

TEST(ItemChildren, InsertIntoAppendsWhenTheIndexIsNotBelowTheCount) {
    const struct {
        std::string before;
        int index;
        std::string after;
    } cases[] = {
        {"", 0, "x"}, {"ab", 0, "xab"}, {"ab", 1, "axb"}, {"ab", 9, "abx"}, {"ab", -1, "abx"},
    };
    for (const auto& c : cases) {
        CNamed parent("p");
        Fill(parent, c.before);
        auto* x = new CNamed("x");
        x->InsertInto(&parent, c.index, true);
        EXPECT_EQ(Names(parent), c.after) << c.before << " at " << c.index;
        EXPECT_EQ(x->GetIndex(), static_cast<int>(c.after.find('x')));
    }
}

TEST(ItemChildren, NavigationLookupMovingAndDestroyingTheSubtree) {
    g_destroyed = 0;
    auto* root = new CNamed("root");
    auto* other = new CNamed("other");
    Fill(*root, "abcde");
    Fill(*root->GetChildAt(0), "xy");
    EXPECT_EQ(root->GetChildAt(4)->GetIndex(), 4);
    EXPECT_EQ(root->GetChildAt(5), nullptr);
    POSITION pos;
    std::string backward;
    for (root->GetTailChildPosition(pos); pos;) {
        backward += root->GetPrevChild(pos)->GetName();
    }
    EXPECT_EQ(backward, "edcba");
    EXPECT_EQ(root->FindChild("c"), root->GetChildAt(2));
    EXPECT_EQ(root->FindChild("C"), nullptr);  // byte-wise, case-sensitive

    CItem* c = root->GetChildAt(2);
    c->MoveTo(other, 0);
    EXPECT_EQ(Names(*root), "abde");
    EXPECT_EQ(c->GetParent(), other);
    c->MoveTo(root, -1);
    EXPECT_EQ(Names(*root), "abdec");
    EXPECT_EQ(other->GetChildCount(), 0);
    delete root;
    EXPECT_EQ(g_destroyed, 8);
    delete other;
}
