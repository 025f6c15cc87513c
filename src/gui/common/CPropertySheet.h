#pragma once

#include <QDialog>
#include <QList>

class CPropertyPage;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// A modal sheet of tabbed pages with OK, Cancel and Help. OK first reads every page's
// controls into its fields; Help and F1 show the current page's topic.
class CPropertySheet : public QDialog {
    Q_OBJECT

public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    // The sheet shows the page; it does not own it until it is added.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const;
    void SetActivePage(int index);
    QPushButton* OkButton() const;
    void EnableOk(bool enable);

public slots:
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowHelp();

    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QList<CPropertyPage*> m_pages;
};
