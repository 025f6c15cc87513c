#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "core/items/CDeletedItems.h"
#include "core/items/CDesktop.h"
#include "core/items/CTreeItem.h"

namespace {
class CNode : public CTreeItem {
public:
    explicit CNode(const std::string& name, long sortKey = 0) : CTreeItem(0, 42, 1, 2, 153) {
        SetName(name);
        SetSortKey(sortKey);
    }
};

std::vector<std::string> ChildNames(const CItem& parent) {
    std::vector<std::string> names;
    for (int i = 0; i < parent.GetChildCount(); ++i) {
        names.push_back(parent.GetChildAt(i)->GetName());
    }
    return names;
}
}  // namespace

// An expanded Desktop shown in a recording tree, as a document shows it.
class TreeItemTest : public CoreTest {
protected:
    TreeItemTest() {
        root.SetTree(&host);
        root.InsertIntoTree(nullptr);
        root.Expand(true, false);
    }
    CNode* Add(const std::string& name, CTreeItem* parent = nullptr, long sortKey = 0) {
        auto* node = new CNode(name, sortKey);
        node->InsertIntoTree(parent != nullptr ? parent : &root);
        return node;
    }
    CRecordingItemTree host;
    CDesktop root;
};

TEST_F(TreeItemTest, NodeCreationMakesSiblingNamesUnique) {
    for (const char* name : {"Bidding", "Bidding", "Bidding", "bidding", "", "", "Bidding (2)"}) {
        Add(name);
    }
    EXPECT_EQ(ChildNames(root),
              (std::vector<std::string>{"Bidding", "Bidding (2)", "Bidding (3)", "bidding", " (2)",
                                        " (3)", "Bidding (2) (2)"}));
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_GE(host.ModifiedCount(), 7);

    // A number given up is taken again.
    std::vector<CNode*> nodes;
    for (int i = 0; i < 8; ++i) {
        nodes.push_back(Add("X"));
    }
    root.DeleteChild(nodes[4]);                 // X (5)
    nodes[2]->SetName(std::string("renamed"));  // X (3)
    EXPECT_EQ(Add("X")->GetName(), "X (3)");
    EXPECT_EQ(Add("X")->GetName(), "X (5)");
    EXPECT_EQ(Add("X")->GetName(), "X (9)");

    // Without a tree names stay as they are.
    CDesktop bare;
    (new CNode("same"))->InsertIntoTree(&bare);
    (new CNode("same"))->InsertIntoTree(&bare);
    EXPECT_EQ(ChildNames(bare), (std::vector<std::string>{"same", "same"}));
}

TEST_F(TreeItemTest, NamingRuleMessagesByMode) {
    CNode* a = Add("A");
    Add("B");
    const struct {
        std::string name;
        int mode;
        bool valid;
        std::string message;
    } cases[] = {
        {"", 0, false, ""},
        {"", 1, false, "The item must have a name."},
        {"B", 0, false, ""},
        {"B", 1, false, "Cannot rename A.\n\nAn item named B already exists."},
        {"B", 2, false, "Cannot move B.\n\nAn item with the same name already exists."},
        {"B", -1, true, ""},
        {"A", 1, true, ""},  // its own name
    };
    for (const auto& c : cases) {
        prompts.ClearMessages();
        EXPECT_EQ(a->IsNameValid(c.name, &root, c.mode), c.valid) << c.name << c.mode;
        const auto& shown = prompts.Messages();
        EXPECT_EQ(shown.empty() ? "" : shown[0].text, c.message) << c.name << c.mode;
        EXPECT_TRUE(shown.empty() || shown[0].icon == MessageIcon::Stop);
    }
}

TEST_F(TreeItemTest, DeleteChildRemovesNodeAndItemUnlessRefused) {
    CNode* parent = Add("p");
    CNode* leaf = Add("leaf", parent);
    Add("other", parent);
    parent->Expand(true, false);
    host.ClearCalls();
    // A leaf can neither collapse nor expand, so its parent is collapsed.
    parent->DeleteChild(leaf);
    EXPECT_EQ(host.Calls(),
              (std::vector<std::string>{"collapse leaf (no change)", "expand leaf (no change)",
                                        "collapse p", "sort p", "delete leaf"}));
    EXPECT_EQ(ChildNames(*parent), (std::vector<std::string>{"other"}));
    EXPECT_FALSE(parent->IsExpanded());

    CNode* kept = Add("kept");
    kept->SetCanDelete(false);
    root.DeleteChild(kept);
    EXPECT_EQ(root.FindChild("kept"), kept);
}

TEST_F(TreeItemTest, ExpandingSortsChildrenAndExpandsAncestors) {
    CNode* parent = Add("p");
    CNode* inner = Add("inner", parent, 5);
    Add("c", inner);
    Add("b", parent, 5);
    Add("a", parent, 9);
    host.ClearCalls();
    inner->Expand(true, false);
    EXPECT_TRUE(parent->IsExpanded() && inner->IsExpanded());
    std::vector<std::string> sorted;
    for (CTreeItem* item : host.GetChildItems(parent->GetNode())) {
        sorted.push_back(item->GetName());
    }
    EXPECT_EQ(sorted, (std::vector<std::string>{"b", "inner", "a"}));
    // The model keeps its own order.
    EXPECT_EQ(ChildNames(*parent), (std::vector<std::string>{"inner", "b", "a"}));

    parent->Expand(false, true);
    EXPECT_FALSE(inner->IsExpanded());
    EXPECT_EQ(parent->GetImage(), 1u);
}

TEST_F(TreeItemTest, CompareChildrenBySortKeysThenBytes) {
    CNode parent("p");
    const struct {
        std::string a;
        long keyA;
        std::string b;
        long keyB;
        int expected;
    } cases[] = {
        {"z", 1, "a", 2, -1}, {"a", 1, "b", 1, -1},   {"b", 1, "B", 1, 1},
        {"a", 1, "a", 1, 0},  {"\xe9", 0, "z", 0, 1},
    };
    for (const auto& c : cases) {
        CNode a(c.a, c.keyA);
        CNode b(c.b, c.keyB);
        EXPECT_EQ(CTreeItem::CompareChildren(a, b, parent), c.expected) << c.a << c.b;
        // The one look along a list that spares a sort agrees with the comparison.
        const CNode* pair[] = {&a, &b};
        EXPECT_EQ(CTreeItem::AreInOrder(
                      2, [&](int i) { return pair[i]; }, parent),
                  c.expected <= 0)
            << c.a << c.b;
    }
    parent.SetSortingChildren(false);
    const CNode a("a", 1);
    const CNode b("b", 2);
    EXPECT_EQ(CTreeItem::CompareChildren(a, b, parent), 0);
    const CNode* reversed[] = {&b, &a};
    EXPECT_TRUE(CTreeItem::AreInOrder(
        2, [&](int i) { return reversed[i]; }, parent));
}

namespace {
std::vector<std::string> NodeNames(const CHeadlessItemTree& host, const CTreeItem& parent) {
    std::vector<std::string> names;
    for (const CTreeItem* item : host.GetChildItems(parent.GetNode())) {
        names.push_back(item->GetName());
    }
    return names;
}
}  // namespace

// Undo puts deleted items back at their places, with their children, newest step first;
// a Clear All is one step.
TEST_F(TreeItemTest, DeletedItemsComeBackWhereTheyWere) {
    CNode* a = Add("A");
    CNode* b = Add("B");
    Add("B1", b);
    Add("B2", b);
    CNode* c = Add("C");
    CNode* c1 = Add("C1", c);
    CNode* c2 = Add("C2", c);
    c2->SetCanDelete(false);
    CDeletedItems deleted;
    EXPECT_FALSE(deleted.CanUndo());

    deleted.Delete(&root, {b});
    deleted.Delete(&root, {a});
    deleted.Delete(c, {c1, c2});  // C2 stays
    deleted.Delete(c, {c2});      // nothing at all: no step
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"C"}));
    EXPECT_EQ(ChildNames(*c), (std::vector<std::string>{"C2"}));

    const std::vector<std::vector<std::string>> steps = {{"C1", "C2"}, {"A", "C"}, {"A", "B", "C"}};
    EXPECT_EQ(deleted.Undo()->GetName(), "C1");
    EXPECT_EQ(ChildNames(*c), steps[0]);
    EXPECT_EQ(deleted.Undo()->GetName(), "A");
    EXPECT_EQ(ChildNames(root), steps[1]);
    CTreeItem* restored = deleted.Undo();
    EXPECT_EQ(restored->GetName(), "B");
    EXPECT_EQ(ChildNames(root), steps[2]);
    EXPECT_EQ(NodeNames(host, root), steps[2]);
    EXPECT_TRUE(NodeNames(host, *restored).empty());  // until B expands
    restored->Expand(true, false);
    EXPECT_EQ(NodeNames(host, *restored), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_FALSE(deleted.CanUndo());
    EXPECT_EQ(deleted.Undo(), nullptr);
}

// A document's large session stays without child nodes until it is needed: each way in makes
// them all, in the order of the child list, and every other change leaves them unmade.
TEST_F(TreeItemTest, ChildNodesAreMadeWhenFirstNeeded) {
    enum class Way { Expand, Select, EditLabel, AddToTree, Nothing };
    const struct {
        const char* name;
        Way way;
        bool made;
    } cases[] = {
        {"expand", Way::Expand, true},
        {"select a child", Way::Select, true},
        {"edit a child's name", Way::EditLabel, true},
        {"add with the name to edit", Way::AddToTree, true},
        {"nothing", Way::Nothing, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // As a document loads it: the session is complete before it enters the tree.
        auto* session = new CNode("session " + std::string(c.name));
        for (const char* name : {"D3", "D1", "D2"}) {
            (new CNode(name))->InsertIntoTree(session);
        }
        const int nodesBefore = host.GetNodeCount();
        session->InsertIntoTree(&root);
        EXPECT_EQ(host.GetNodeCount(), nodesBefore + 1);
        EXPECT_TRUE(host.HasChildIndicator(session->GetNode()));

        CTreeItem* child = static_cast<CTreeItem*>(session->GetChildAt(1));
        switch (c.way) {
            case Way::Expand:
                session->Expand(true, false);
                break;
            case Way::Select:
                child->Select();
                EXPECT_EQ(host.GetSelectedItem(), child);
                break;
            case Way::EditLabel:
                child->EditLabel();
                break;
            case Way::AddToTree:
                (new CNode("D1"))->AddToTree(session, true);
                EXPECT_EQ(host.GetSelectedItem()->GetName(), "D1 (2)");
                break;
            case Way::Nothing:
                break;
        }
        EXPECT_EQ(child->GetNode() != nullptr, c.made);
        EXPECT_EQ(host.HasChildIndicator(session->GetNode()), !c.made);
        if (c.made) {
            EXPECT_EQ(NodeNames(host, *session).size(),
                      static_cast<std::size_t>(session->GetChildCount()));
        }
    }
}

// Deleting, undoing, moving in and adding a child keep the nodes unmade, and the expand
// button right; the first expansion then shows every child where it belongs.
TEST_F(TreeItemTest, ChangesToACollapsedSessionWaitForItsNodes) {
    auto* session = new CNode("session");
    for (const char* name : {"D1", "D2", "D3"}) {
        (new CNode(name))->InsertIntoTree(session);
    }
    session->InsertIntoTree(&root);
    CNode* elsewhere = Add("elsewhere");
    CNode* moved = Add("D1", elsewhere);
    elsewhere->Expand(true, false);
    const int nodes = host.GetNodeCount();

    CDeletedItems deleted;
    deleted.Delete(session, {static_cast<CTreeItem*>(session->GetChildAt(1))});
    Add("D2", session);                              // takes the name the deleted one had
    EXPECT_EQ(deleted.Undo()->GetName(), "D2 (2)");  // back between D1 and D3
    EXPECT_EQ(ChildNames(*session), (std::vector<std::string>{"D1", "D2 (2)", "D3", "D2"}));

    // As a drop does it.
    moved->SetName(std::string("D4"));
    moved->MoveTo(session, -1);
    moved->MoveInTree(session);
    EXPECT_EQ(moved->GetNode(), nullptr);
    EXPECT_EQ(host.GetNodeCount(), nodes - 1);  // only the moved one's node went
    EXPECT_TRUE(host.HasChildIndicator(session->GetNode()));
    EXPECT_FALSE(session->IsExpanded());

    session->Expand(true, false);
    EXPECT_EQ(NodeNames(host, *session),
              (std::vector<std::string>{"D1", "D2", "D2 (2)", "D3", "D4"}));

    // The last child going takes the expand button with it.
    auto* empty = new CNode("empty");
    (new CNode("only"))->InsertIntoTree(empty);
    empty->InsertIntoTree(&root);
    EXPECT_TRUE(host.HasChildIndicator(empty->GetNode()));
    empty->DeleteChild(static_cast<CTreeItem*>(empty->GetChildAt(0)));
    EXPECT_FALSE(host.HasChildIndicator(empty->GetNode()));
}

// Entering the tree, a list whose names are all different keeps them; otherwise the names
// are made unique one child after another, in list order, as they always were.
TEST_F(TreeItemTest, NamesAreUniqueOnceTheListEntersTheTree) {
    const struct {
        std::vector<std::string> names;
        std::vector<std::string> expected;
    } cases[] = {
        {{"A", "B", "A (2)"}, {"A", "B", "A (2)"}},
        {{"A", "A", "", "B"}, {"A (2)", "A", " (2)", "B"}},
        {{"A", "A (2)", "A"}, {"A (3)", "A (2)", "A"}},
        {{"", ""}, {" (2)", " (3)"}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        auto* session = new CNode("s");
        for (const std::string& name : c.names) {
            (new CNode(name))->InsertIntoTree(session);
        }
        session->InsertIntoTree(&root);
        EXPECT_EQ(ChildNames(*session), c.expected);
        root.DeleteChild(session);
    }
}
