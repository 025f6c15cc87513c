#pragma once

#include <QMdiSubWindow>

class CGuiDocument;
class CLorvaneView;

// A document window: the frame around one document's tree view. It owns the document, and
// closing it asks whether a modified document is to be saved.
class CLorvaneChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    // Takes ownership of the document.
    explicit CLorvaneChildFrame(CGuiDocument* document, QWidget* parent = nullptr);
    ~CLorvaneChildFrame() override;

    CGuiDocument* GetDocument() const { return m_document; }
    CLorvaneView* GetView() const { return m_view; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();

    CGuiDocument* m_document;
    CLorvaneView* m_view;
};
