#include "gui/app/CLorvaneView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <functional>

#include "core/items/CDesktop.h"
#include "core/items/CTreeItem.h"
#include "core/items/ItemIds.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CQtItemTree.h"
#include "gui/app/CTreeNode.h"
#include "gui/app/CommandTable.h"
#include "gui/bidding/SessionCommands.h"
#include "gui/common/QtText.h"
#include "gui/common/TextPrinting.h"
#include "gui/review/CSessionReviewDialog.h"

namespace {
// Hands every label editor it makes to the view, which ends the edit itself.
class CLabelEditDelegate : public QStyledItemDelegate {
public:
    CLabelEditDelegate(QObject* parent, std::function<void(QLineEdit*)> onEditor)
        : QStyledItemDelegate(parent), m_onEditor(std::move(onEditor)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            lineEdit->setObjectName(QStringLiteral("labelEditor"));
            m_onEditor(lineEdit);
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            lineEdit->selectAll();
        }
    }

private:
    std::function<void(QLineEdit*)> m_onEditor;
};

// Commands that the view hands to the selected item's OnCommand.
constexpr unsigned kItemCommands[] = {ID_PROPERTIES,   ID_OPEN,     ID_SELECT_NORTH,
                                      ID_SELECT_SOUTH, ID_VIEW_ALL, ID_UNHIDE_ALL,
                                      ID_IMPORT,       ID_EXPORT};

bool IsItemCommand(unsigned id) {
    for (unsigned command : kItemCommands) {
        if (command == id) {
            return true;
        }
    }
    return false;
}

void ForEachChild(CTreeItem* parent, const std::function<void(CTreeItem&)>& action) {
    POSITION pos;
    parent->GetHeadChildPosition(pos);
    while (pos) {
        if (auto* child = dynamic_cast<CTreeItem*>(parent->GetNextChild(pos))) {
            action(*child);
        }
    }
}
}  // namespace

CLorvaneView::CLorvaneView(CGuiDocument* document, QWidget* parent)
    : QTreeWidget(parent),
      m_document(document),
      m_tree(std::make_unique<CQtItemTree>(*this, document)) {
    setObjectName(QStringLiteral("treeView"));
    setWhatsThis(QStringLiteral(
        "The document: the Desktop, its bidding sessions and their deals. Double-click a deal "
        "to bid it; right-click a node for its commands; click the label of the selected node "
        "to rename it."));
    setColumnCount(1);
    setHeaderHidden(true);
    header()->setStretchLastSection(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setExpandsOnDoubleClick(true);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAnimated(false);
    setItemDelegate(new CLabelEditDelegate(this, [this](QLineEdit* editor) { m_editor = editor; }));

    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { m_tree->OnNodeExpanded(node, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* node) { m_tree->OnNodeExpanded(node, false); });
    connect(this, &QTreeWidget::currentItemChanged, this, &CLorvaneView::CommandStateChanged);
}

CLorvaneView::~CLorvaneView() {
    m_closing = true;
    DiscardLabelEdit();
    if (m_tree->IsDragging()) {
        m_tree->EndDrag(false);
    }
    DetachItems();
    clear();
}

// The document outlives its nodes by a moment; its items must not reach this tree then.
void CLorvaneView::DetachItems() {
    if (m_document != nullptr && m_document->Doc().GetDesktop() != nullptr) {
        m_document->Doc().GetDesktop()->ForgetNodes();
    }
}

void CLorvaneView::OnInitialUpdate() {
    if (m_document == nullptr) {
        return;
    }
    setUpdatesEnabled(false);
    m_document->Doc().AttachTree(m_tree.get());
    m_document->RefreshModified();
    setUpdatesEnabled(true);
    CDesktop* desktop = m_document->Doc().GetDesktop();
    CTreeItem* firstSession = nullptr;
    POSITION pos;
    desktop->GetHeadChildPosition(pos);
    while (pos && firstSession == nullptr) {
        CItem* child = desktop->GetNextChild(pos);
        if (child->GetKind() == KIND_BIDDING_LIST) {
            firstSession = dynamic_cast<CTreeItem*>(child);
        }
    }
    if (firstSession != nullptr) {
        firstSession->Select();
    } else {
        desktop->Select();
    }
}

CTreeItem* CLorvaneView::GetSelectedItem() const {
    return m_tree->GetSelectedItem();
}

// ---- Commands ----

bool CLorvaneView::IsViewCommand(unsigned id) {
    switch (id) {
        case ID_EDIT_COPY:
        case ID_EDIT_CUT:
        case ID_EDIT_PASTE:
        case ID_EDIT_UNDO:
        case ID_EDIT_DELETE:
        case ID_EDIT_CLEAR_ALL:
        case ID_EDIT_RENAME:
        case ID_INSERT_BIDDING_SESSION:
        case ID_FILE_PRINT:
        case ID_FILE_PRINT_DIRECT:
        case ID_FILE_PRINT_PREVIEW:
        case ID_HELP:
        case ID_REVIEW_SESSION:
            return true;
        default:
            return IsItemCommand(id);
    }
}

bool CLorvaneView::IsCommandEnabled(unsigned id, CTreeItem* selected) {
    const bool noEdit = !m_tree->IsEditing(false);
    switch (id) {
        case ID_EDIT_COPY:
            return selected != nullptr && selected->CanCopy() && noEdit;
        case ID_EDIT_CUT:
            return selected != nullptr && selected->CanCut() && noEdit;
        case ID_EDIT_PASTE:
            return selected != nullptr && selected->CanPaste() && noEdit;
        case ID_EDIT_UNDO:
            return m_deleted.CanUndo() && noEdit;
        case ID_EDIT_DELETE:
            return selected != nullptr && selected->CanDelete() && noEdit &&
                   m_tree->GetParentItem(selected) != nullptr;
        case ID_EDIT_CLEAR_ALL:
            return selected != nullptr && selected->CanClearAll() &&
                   selected->GetChildCount() > 0 && noEdit;
        case ID_EDIT_RENAME:
            return selected != nullptr && selected->CanRename() && noEdit;
        case ID_INSERT_BIDDING_SESSION:
            return m_document != nullptr &&
                   (m_document->Doc().GetDesktop()->OnCommand(nullptr, id) ||
                    CanInsertBiddingSession(m_document->Doc()));
        case ID_IMPORT:
            return selected != nullptr && noEdit &&
                   (selected->OnCommand(nullptr, id) || CanImportInto(selected));
        case ID_EXPORT:
            return selected != nullptr && noEdit &&
                   (selected->OnCommand(nullptr, id) || CanExport(selected));
        case ID_FILE_PRINT:
        case ID_FILE_PRINT_DIRECT:
        case ID_FILE_PRINT_PREVIEW:
            // What can be copied has a text to print; making the text only to decide would
            // cost a whole session's text at every change of the selection.
            return selected != nullptr && selected->CanCopy();
        case ID_HELP:
            return true;
        case ID_REVIEW_SESSION:
            return noEdit && CanReviewSession(selected);
        default:
            return selected != nullptr && IsItemCommand(id) && selected->OnCommand(nullptr, id);
    }
}

void CLorvaneView::UpdateCommand(ICommandUI& commandUI) {
    const unsigned id = commandUI.GetId();
    CTreeItem* selected = GetSelectedItem();
    commandUI.Enable(IsCommandEnabled(id, selected));
    if (selected != nullptr && IsItemCommand(id)) {
        selected->OnUpdateCommand(&commandUI);
    }
}

void CLorvaneView::OnCommand(unsigned id) {
    CTreeItem* selected = GetSelectedItem();
    if (IsItemCommand(id) || id == ID_INSERT_BIDDING_SESSION) {
        if (m_tree->IsEditing(true)) {
            return;  // the name was refused and is being corrected
        }
        selected = GetSelectedItem();
        if (!IsCommandEnabled(id, selected)) {
            return;
        }
        CTreeItem* target =
            id == ID_INSERT_BIDDING_SESSION ? m_document->Doc().GetDesktop() : selected;
        if (target->OnCommand(nullptr, id)) {
            if (target->OnCommand(m_tree.get(), id)) {
                target->Redraw();
            }
        } else if (id == ID_INSERT_BIDDING_SESSION) {
            InsertBiddingSession(m_document->Doc(), *m_tree);
        } else if (id == ID_IMPORT) {
            ImportInto(selected);
        } else if (id == ID_EXPORT) {
            Export(selected);
        }
        emit CommandStateChanged();
        return;
    }
    if (!IsCommandEnabled(id, selected)) {
        return;
    }
    switch (id) {
        case ID_EDIT_COPY:
        case ID_EDIT_CUT:
            selected->CopyToClipboard();  // Cut leaves the item where it is
            break;
        case ID_EDIT_PASTE:
            break;
        case ID_EDIT_UNDO:
            if (CTreeItem* restored = m_deleted.Undo()) {
                restored->Select();
            }
            break;
        case ID_EDIT_DELETE:
            DeleteSelected(selected);
            break;
        case ID_EDIT_CLEAR_ALL:
            ClearAll(selected);
            break;
        case ID_EDIT_RENAME:
            selected->EditLabel();
            break;
        case ID_FILE_PRINT:
        case ID_FILE_PRINT_DIRECT:
        case ID_FILE_PRINT_PREVIEW: {
            std::string text;
            selected->GetText(text, true);
            const PrintMode mode = id == ID_FILE_PRINT          ? PrintMode::Dialog
                                   : id == ID_FILE_PRINT_DIRECT ? PrintMode::Direct
                                                                : PrintMode::Preview;
            PrintItemText(this, FromBytes(selected->GetName()), text, mode);
            break;
        }
        case ID_HELP:
            emit HelpRequested(GetHelpContext());
            break;
        case ID_REVIEW_SESSION:
            ReviewSession(selected, this);
            break;
        default:
            break;
    }
    emit CommandStateChanged();
}

void CLorvaneView::DeleteSelected(CTreeItem* selected) {
    if (CTreeItem* parent = m_tree->GetParentItem(selected)) {
        m_deleted.Delete(parent, {selected});
    }
}

void CLorvaneView::ClearAll(CTreeItem* selected) {
    setUpdatesEnabled(false);
    std::vector<CTreeItem*> children;
    ForEachChild(selected, [&children](CTreeItem& child) { children.push_back(&child); });
    m_deleted.Delete(selected, children);
    setUpdatesEnabled(true);
}

unsigned CLorvaneView::GetHelpContext() const {
    const CTreeItem* selected = GetSelectedItem();
    return selected != nullptr ? static_cast<unsigned>(selected->GetKind()) : 0;
}

// ---- Label editing ----

void CLorvaneView::StartLabelEdit(QTreeWidgetItem* node) {
    scrollToItem(node);
    setCurrentItem(node);
    edit(indexFromItem(node), QAbstractItemView::AllEditTriggers, nullptr);
}

bool CLorvaneView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == QAbstractItemView::SelectedClicked) {
        // For a click on the selected label Qt only starts a timer (a double click may follow)
        // and asks for the edit again when it fires; the label edit begins then.
        if (m_suppressClickEdit || m_tree->IsEditing(false)) {
            return false;
        }
        return QTreeWidget::edit(index, trigger, event);
    }
    if (trigger == QAbstractItemView::NoEditTriggers || !index.isValid()) {
        return QTreeWidget::edit(index, trigger, event);
    }
    QTreeWidgetItem* node = itemFromIndex(index);
    if (!m_tree->BeginLabelEdit(node)) {
        return false;
    }
    m_commitPending = false;
    if (!QTreeWidget::edit(index, trigger, event) || m_editor == nullptr) {
        m_tree->AbandonLabelEdit();  // an edit box that never opened leaves nothing to end
        return false;
    }
    emit CommandStateChanged();
    return true;
}

void CLorvaneView::commitData(QWidget* editor) {
    // The name goes to the item through the end-of-edit rule, never straight into the node.
    if (editor == m_editor && m_editor != nullptr) {
        m_committedText = ToBytes(m_editor->text());
        m_commitPending = true;
    }
}

void CLorvaneView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool ours = editor == m_editor;
    // Tab must not move the edit on to the next node.
    QTreeWidget::closeEditor(editor, hint == QAbstractItemDelegate::RevertModelCache
                                         ? QAbstractItemDelegate::RevertModelCache
                                         : QAbstractItemDelegate::NoHint);
    if (!ours || m_closing) {
        return;
    }
    m_editor = nullptr;
    const bool committed = m_commitPending && hint != QAbstractItemDelegate::RevertModelCache;
    m_commitPending = false;
    m_tree->EndLabelEdit(committed ? &m_committedText : nullptr);
    emit CommandStateChanged();
}

void CLorvaneView::CommitLabelEdit() {
    if (m_editor == nullptr) {
        return;
    }
    QWidget* editor = m_editor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
}

void CLorvaneView::DiscardLabelEdit() {
    if (m_editor == nullptr) {
        return;
    }
    QWidget* editor = m_editor;
    m_editor = nullptr;
    m_commitPending = false;
    QTreeWidget::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// ---- Mouse and keys ----

QRect CLorvaneView::NodeLabelRect(QTreeWidgetItem* node) const {
    const QModelIndex index = indexFromItem(node);
    QRect rect = visualRect(index);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int width = itemDelegate()->sizeHint(option, index).width();
    rect.setWidth(qMin(width, rect.width()));
    return rect;
}

QTreeWidgetItem* CLorvaneView::NodeAt(QPoint viewportPos, bool* onButton) const {
    if (onButton != nullptr) {
        *onButton = false;
    }
    QTreeWidgetItem* node = itemAt(viewportPos);
    if (node == nullptr) {
        return nullptr;
    }
    const QRect label = NodeLabelRect(node);
    if (label.contains(viewportPos)) {
        return node;
    }
    const QRect button(label.left() - indentation(), label.top(), indentation(), label.height());
    if (CQtItemTree::HasExpandButton(node) && button.contains(viewportPos)) {
        if (onButton != nullptr) {
            *onButton = true;
        }
        return node;
    }
    return nullptr;
}

void CLorvaneView::mousePressEvent(QMouseEvent* event) {
    m_tree->SetRightPressOnItem(false);
    m_dragCandidate = nullptr;
    bool onButton = false;
    QTreeWidgetItem* node = NodeAt(event->position().toPoint(), &onButton);
    if (m_tree->IsEditing(true)) {
        event->accept();  // the refused name is being corrected in its edit box
        return;
    }
    if (node == nullptr) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton) {
        setCurrentItem(node);
        m_tree->SetRightPressOnItem(true);
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (onButton) {
        setCurrentItem(node);
        if (CTreeItem* item = CQtItemTree::GetItem(node)) {
            item->Expand(!item->IsExpanded(), false);
            item->Redraw();
        }
        event->accept();
        return;
    }
    m_pressPos = event->position().toPoint();
    CTreeItem* item = CQtItemTree::GetItem(node);
    if (item != nullptr && item->CanDrag()) {
        m_dragCandidate = node;
    }
    QTreeWidget::mousePressEvent(event);
}

void CLorvaneView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_tree->IsDragging()) {
        m_tree->DragMove(pos);
        event->accept();
        return;
    }
    if (m_dragCandidate != nullptr && (event->buttons() & Qt::LeftButton) &&
        (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance() &&
        !m_tree->IsEditing(false)) {
        QTreeWidgetItem* source = m_dragCandidate;
        m_dragCandidate = nullptr;
        setCurrentItem(source);
        m_tree->BeginDrag(source, pos);
        m_tree->DragMove(pos);
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CLorvaneView::mouseReleaseEvent(QMouseEvent* event) {
    m_dragCandidate = nullptr;
    if (m_tree->IsDragging()) {
        m_tree->EndDrag(event->button() == Qt::LeftButton);
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CLorvaneView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && NodeAt(event->position().toPoint()) != nullptr &&
        !m_tree->IsEditing(false)) {
        if (CTreeItem* selected = GetSelectedItem()) {
            // A deal's bidding table runs its own event loop: no label edit may start meanwhile.
            m_suppressClickEdit = true;
            selected->OnDoubleClick(m_tree.get());
            m_suppressClickEdit = false;
            emit CommandStateChanged();
        }
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CLorvaneView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        OnCommand(ID_EDIT_DELETE);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_tree->IsDragging()) {
        m_tree->EndDrag(false);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CLorvaneView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (m_tree->IsEditing(false)) {
        return;
    }
    CTreeItem* selected = GetSelectedItem();
    if (selected == nullptr) {
        return;
    }
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key means the selected node, wherever the mouse was last pressed.
        QTreeWidgetItem* node = CQtItemTree::NodeOf(selected);
        if (node == nullptr) {
            return;
        }
        m_tree->SetRightPressOnItem(true);
        at = viewport()->mapToGlobal(NodeLabelRect(node).bottomLeft());
    }
    selected->ShowContextMenu(at.x(), at.y());
}

void CLorvaneView::focusOutEvent(QFocusEvent* event) {
    if (m_tree->IsDragging() && event->reason() == Qt::ActiveWindowFocusReason) {
        m_tree->EndDrag(false);
    }
    QTreeWidget::focusOutEvent(event);
}

void CLorvaneView::ShowContextMenu(unsigned menuId, QPoint globalPos) {
    emit ContextMenuRequested(menuId, globalPos);
}
