#include "gui/app/CLorvaneChildFrame.h"

#include <QCloseEvent>

#include "core/items/ItemIds.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/CQtItemTree.h"
#include "gui/images/Pictures.h"

CLorvaneChildFrame::CLorvaneChildFrame(CGuiDocument* document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_view(new CLorvaneView(document)) {
    setObjectName(QStringLiteral("documentWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->setParent(this);
    setWidget(m_view);
    setWindowIcon(PictureIcon(IDB_DEALS));
    connect(m_document, &CGuiDocument::TitleChanged, this, &CLorvaneChildFrame::UpdateTitle);
    connect(m_document, &CGuiDocument::ModifiedChanged, this, &CLorvaneChildFrame::UpdateTitle);
    UpdateTitle();
}

CLorvaneChildFrame::~CLorvaneChildFrame() {
    // The view's nodes go before the document's items.
    delete m_view;
    m_view = nullptr;
}

void CLorvaneChildFrame::closeEvent(QCloseEvent* event) {
    if (m_view != nullptr && m_view->Tree().IsEditing(true)) {
        event->ignore();  // a refused name is being corrected
        return;
    }
    if (!m_document->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

// The marker is part of the text (not the "[*]" placeholder), because a maximized document
// window lends its title to the main window as it is.
void CLorvaneChildFrame::UpdateTitle() {
    const bool modified = m_document->IsModified();
    setWindowTitle(m_document->GetTitle() + (modified ? QStringLiteral("*") : QString()));
}
