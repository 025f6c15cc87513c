#include "gui/app/CTreeNode.h"

#include <QApplication>
#include <QPalette>

#include "core/items/CTreeItem.h"
#include "gui/app/CQtItemTree.h"
#include "gui/common/QtText.h"

CTreeNode::CTreeNode(CQtItemTree& tree, CTreeItem* item)
    : QTreeWidgetItem(kType), m_tree(tree), m_item(item) {
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
}

QVariant CTreeNode::data(int column, int role) const {
    if (column != 0) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return FromBytes(m_item->GetName());
        case Qt::DecorationRole:
            return m_tree.ImageMap().Icon(m_item->GetImage());
        case Qt::BackgroundRole:
            if (m_tree.IsDropHighlighted(this)) {
                return QApplication::palette().brush(QPalette::Highlight);
            }
            return {};
        case Qt::ForegroundRole:
            if (m_tree.IsDropHighlighted(this)) {
                return QApplication::palette().brush(QPalette::HighlightedText);
            }
            return {};
        default:
            return QTreeWidgetItem::data(column, role);
    }
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
