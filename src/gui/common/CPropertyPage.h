#pragma once

#include <QWizardPage>
#include <utility>

// A page of a property sheet: a tab of a sheet, or a step of a wizard. Pages read their
// fields from their controls and show them again explicitly, like dialog data exchange.
class CPropertyPage : public QWizardPage {
    Q_OBJECT

public:
    // helpContext is the page's dialog resource id, which also names its help topic.
    CPropertyPage(const QString& caption, unsigned helpContext, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    unsigned HelpContext() const { return m_helpContext; }

    // When the page becomes the visible one.
    virtual void OnSetActive() {}
    // Moves the fields into the controls (false) or the controls into the fields (true).
    virtual bool UpdateData(bool saveAndValidate);
    // Before the sheet closes with OK or the wizard moves on: reads the controls; false
    // keeps the page.
    virtual bool OnKillActive() { return UpdateData(true); }
    bool validatePage() override { return OnKillActive(); }

    // Whether the wizard may go on from this page (Next or Finish enabled).
    bool isComplete() const override { return m_complete; }
    void SetComplete(bool complete);

private:
    QString m_caption;
    unsigned m_helpContext;
    bool m_complete = true;
};

// A new control of a page, named by its control id ("control1000") so that the sheets and
// their tests find it.
template <typename Control, typename... Args>
Control* NewPageControl(int controlId, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(QStringLiteral("control%1").arg(controlId));
    return control;
}
