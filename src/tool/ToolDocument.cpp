#include "ToolDocument.h"

#include "CToolPrompts.h"
#include "core/items/CDesktop.h"

bool CToolDocument::Open(const std::string& path) {
    m_doc.SetReportLoadErrors(false);
    if (!m_doc.OnOpenDocument(path)) {
        PrintError("cannot open " + path + ": " + m_doc.GetFileErrorText());
        return false;
    }
    if (m_doc.IsLoadFailed()) {
        return false;  // the document has said why
    }
    Show();
    return true;
}

void CToolDocument::New() {
    m_doc.OnNewDocument();
    Show();
}

bool CToolDocument::Save(const std::string& path) {
    return m_doc.OnSaveDocument(path);
}

void CToolDocument::Show() {
    m_tree = std::make_unique<CHeadlessItemTree>(&m_doc);
    m_doc.AttachTree(m_tree.get());
}
