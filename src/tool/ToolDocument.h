#pragma once

#include <memory>
#include <string>

#include "core/items/CHeadlessItemTree.h"
#include "core/items/CLorvaneDoc.h"

// A document as the program shows it in a window: loaded, then given nodes in a headless
// tree, so that sibling names become unique exactly as in the tree view.
class CToolDocument {
public:
    // False, after a one-line message on standard error, when the file cannot be read or
    // fails the version check.
    bool Open(const std::string& path);
    // A new, empty document.
    void New();
    // Atomically; false after a message.
    bool Save(const std::string& path);

    CLorvaneDoc& Doc() { return m_doc; }
    CDesktop& Desktop() { return *m_doc.GetDesktop(); }

private:
    void Show();

    CLorvaneDoc m_doc;
    std::unique_ptr<CHeadlessItemTree> m_tree;
};
