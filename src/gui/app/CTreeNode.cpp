#include "gui/app/CTreeNode.h"

#include <QApplication>
#include <QPalette>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "core/items/CTreeItem.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/CQtItemTree.h"
#include "gui/common/QtText.h"

namespace {
// Places for nodes: a free list through blocks of them, all given back to the heap when the
// last node has gone (the last document window closed). Nodes live on the GUI thread only.
class CNodePlaces {
public:
    void* Take() {
        if (m_free == nullptr) {
            Grow();
        }
        Place* place = m_free;
        m_free = place->next;
        ++m_taken;
        return place;
    }

    void Give(void* node) {
        auto* place = static_cast<Place*>(node);
        place->next = m_free;
        m_free = place;
        if (--m_taken == 0) {
            m_free = nullptr;
            m_blocks.clear();
        }
    }

private:
    union Place {
        Place* next;
        alignas(CTreeNode) std::byte bytes[sizeof(CTreeNode)];
    };
    static constexpr std::size_t kBlockPlaces = 4096;

    void Grow() {
        auto block = std::make_unique_for_overwrite<Place[]>(kBlockPlaces);
        // Linked backwards, so that nodes made one after another lie one after another.
        for (std::size_t i = kBlockPlaces; i-- > 0;) {
            block[i].next = m_free;
            m_free = &block[i];
        }
        m_blocks.push_back(std::move(block));
    }

    std::vector<std::unique_ptr<Place[]>> m_blocks;
    Place* m_free = nullptr;
    std::size_t m_taken = 0;
};

// Never destroyed: a node may outlive the statics at exit.
CNodePlaces& NodePlaces() {
    static auto* places = new CNodePlaces;
    return *places;
}
}  // namespace

void* CTreeNode::operator new(std::size_t) {
    return NodePlaces().Take();  // the class is final: every request is for one node
}

void CTreeNode::operator delete(void* node) noexcept {
    NodePlaces().Give(node);
}

CTreeNode::CTreeNode(CTreeItem* item) : QTreeWidgetItem(kType), m_item(item) {
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
}

QVariant CTreeNode::data(int column, int role) const {
    if (column != 0) {
        return {};
    }
    const CQtItemTree* tree = Tree();
    const bool dropHighlighted = tree != nullptr && tree->IsDropHighlighted(this);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return FromBytes(m_item->GetName());
        case Qt::DecorationRole:
            return tree != nullptr ? tree->ImageMap().Icon(m_item->GetImage()) : QVariant();
        case Qt::BackgroundRole:
            if (dropHighlighted) {
                return QApplication::palette().brush(QPalette::Highlight);
            }
            return {};
        case Qt::ForegroundRole:
            if (dropHighlighted) {
                return QApplication::palette().brush(QPalette::HighlightedText);
            }
            return {};
        default:
            return QTreeWidgetItem::data(column, role);
    }
}

const CQtItemTree* CTreeNode::Tree() const {
    const auto* view = static_cast<const CLorvaneView*>(treeWidget());
    return view != nullptr ? &view->Tree() : nullptr;
}

bool CTreeNode::operator<(const QTreeWidgetItem& other) const {
    const QTreeWidgetItem* parentNode = parent();
    if (other.type() != kType || parentNode == nullptr || parentNode->type() != kType) {
        return false;
    }
    const auto& otherNode = static_cast<const CTreeNode&>(other);
    return CTreeItem::CompareChildren(*m_item, *otherNode.m_item,
                                      *static_cast<const CTreeNode*>(parentNode)->m_item) < 0;
}
