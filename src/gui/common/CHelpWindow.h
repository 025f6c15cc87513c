#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "gui/common/HelpContexts.h"

class QTextBrowser;

// The program's help: bundled HTML pages in a window of their own. A help context is an item
// kind (the help of a node) or a dialog's resource id (the help of that dialog or sheet).
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the topic of the context in the help window (made on first use); contents for
    // an unknown context.
    static void ShowTopic(unsigned context);
    // The page of a context, as a resource URL ("qrc:/help/session.html").
    static QString TopicUrl(unsigned context);
    // The window, when it has been shown.
    static CHelpWindow* Instance();
    // F1 anywhere in window shows the topic of the context that context() gives then.
    static void AddHelpKey(QWidget* window, std::function<unsigned()> context);

    QTextBrowser* Browser() const { return m_browser; }

private:
    CHelpWindow();
    // A modal window blocks every window but its own: help opened from one is made its
    // dependant, so that it can be read while that window stays open.
    void FollowModalWindow();

    QTextBrowser* m_browser;
};
