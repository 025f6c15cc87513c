#include "gui/app/CTreeNode.h"

#include <QApplication>
#include <QPalette>

#include "core/items/CTreeItem.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/CQtItemTree.h"
#include "gui/common/QtText.h"

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
