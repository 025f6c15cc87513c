#include "app/CLorvaneChildFrame.h"

#include <QCloseEvent>

#include "app/CGuiDocument.h"
#include "app/CLorvaneView.h"
#include "app/CQtItemTree.h"
#include "images/Pictures.h"
#include "items/ItemIds.h"

CLorvaneChildFrame::CLorvaneChildFrame(CGuiDocument* document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_view(new CLorvaneView(document)) {
    setObjectName(QStringLiteral("documentWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->setParent(this);
    setWidget(m_view);
    setWindowIcon(PictureIcon(IDB_DEALS));
    connect(m_document, &CGuiDocument::TitleChanged, this, &CLorvaneChildFrame::UpdateTitle);
    connect(m_document, &CGuiDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    UpdateTitle();
    setWindowModified(m_document->IsModified());
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

void CLorvaneChildFrame::UpdateTitle() {
    setWindowTitle(m_document->GetTitle() + QStringLiteral("[*]"));
}
