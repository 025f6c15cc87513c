#include <string>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "items/CItem.h"

namespace {
int g_destroyed = 0;

class CNamed : public CItem {
public:
    explicit CNamed(const std::string& name, int kind = 7) : CItem(name) { SetKind(kind); }
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

TEST(ItemChildren, ReplaceAtLeavesTheOldChildAliveAndDetached) {
    CNamed parent("p");
    Fill(parent, "abc");
    CItem* b = parent.GetChildAt(1);
    CNamed x("x");
    x.ReplaceAt(&parent, 1);
    EXPECT_EQ(Names(parent), "axc");
    EXPECT_EQ(b->GetParent(), nullptr);
    EXPECT_FALSE(b->GetPosition());
    delete b;
    x.Detach();  // x lives on the stack
}

TEST(ItemChildren, NavigationAndLookup) {
    CNamed parent("p");
    Fill(parent, "abcde");
    EXPECT_EQ(parent.GetChildAt(4)->GetIndex(), 4);
    EXPECT_EQ(parent.GetChildAt(-1), nullptr);
    EXPECT_EQ(parent.GetChildAt(5), nullptr);
    POSITION pos;
    std::string backward;
    for (parent.GetTailChildPosition(pos); pos;) {
        backward += parent.GetPrevChild(pos)->GetName();
    }
    EXPECT_EQ(backward, "edcba");
    EXPECT_EQ(parent.FindChild("c"), parent.GetChildAt(2));
    EXPECT_EQ(parent.FindChild("C"), nullptr);  // byte-wise, case-sensitive

    CNamed root("root", 1);
    auto* a = new CNamed("a", 2);
    a->AppendTo(&root, true);
    (new CNamed("a1", 3))->AppendTo(a, true);
    (new CNamed("b", 3))->AppendTo(&root, true);
    EXPECT_EQ(root.FindKind(1, false), &root);
    EXPECT_EQ(root.FindKind(1, true), nullptr);
    EXPECT_EQ(root.FindKind(3, true)->GetName(), "a1");  // depth first
}

TEST(ItemChildren, MoveToRemoveAllAndDestroyingTheSubtree) {
    g_destroyed = 0;
    auto* root = new CNamed("root");
    auto* other = new CNamed("other");
    Fill(*root, "abc");
    Fill(*root->GetChildAt(0), "xy");
    CItem* c = root->GetChildAt(2);
    c->MoveTo(other, 0);
    EXPECT_EQ(Names(*root), "ab");
    EXPECT_EQ(c->GetParent(), other);
    c->MoveTo(root, -1);
    EXPECT_EQ(Names(*root), "abc");
    delete root;
    EXPECT_EQ(g_destroyed, 6);

    Fill(*other, "ab");
    CItem* a = other->GetChildAt(0);
    other->RemoveAllChildren(false);
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_EQ(g_destroyed, 6);
    delete a;
    delete other;
}

TEST(ItemText, NextTokenTakesCommaSeparatedPieces) {
    const struct {
        std::string text, token, rest;
    } cases[] = {{"12,3", "12", "3"}, {"7", "7", ""}, {",x", "", "x"}, {"a,b,c", "a", "b,c"}};
    CNamed item("i");
    for (const auto& c : cases) {
        std::string rest = c.text;
        EXPECT_EQ(item.NextToken(rest), c.token) << c.text;
        EXPECT_EQ(rest, c.rest) << c.text;
    }
}

namespace {
class CTextItem : public CItem {
public:
    CTextItem() : CItem("t") {}
    bool GetText(std::string& text, bool topLevel) override {
        text += topLevel ? "top" : "child";
        return true;
    }
};
}  // namespace

using ClipboardTest = CoreTest;

TEST_F(ClipboardTest, CopyToClipboardPutsTheTopLevelText) {
    CTextItem item;
    EXPECT_TRUE(item.CopyToClipboard());
    EXPECT_EQ(prompts.Clipboard(), "top");
    EXPECT_FALSE(CNamed("silent").CopyToClipboard());
    prompts.SetClipboardWorks(false);
    EXPECT_FALSE(item.CopyToClipboard());
}
