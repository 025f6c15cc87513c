#pragma once

#include <string>

#include "core/items/CLorvaneDoc.h"

class CDesktop;

// The log-book document in the data folder, opened to take a deal and saved again. A new
// one is started only when there is no file: a log-book that exists and cannot be read is
// left as it is, and one that read only in part is copied aside before it is rewritten.
class CLogBook {
public:
    CLogBook();
    // Where the log-book lives: Log-book.lv in the user's data folder.
    static std::string Path();

    // False, after a message, when the log-book cannot be used; nothing is then written.
    bool Open();
    CDesktop& Desktop() { return *m_doc.GetDesktop(); }
    // False after the document's message.
    bool Save();

private:
    bool KeepDamagedCopy();

    std::string m_path;
    CLorvaneDoc m_doc;
};
