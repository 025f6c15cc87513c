#pragma once

#include "gui/common/CPropertySheet.h"

class COptionsPSGeneral;

// The General Options sheet.
class COptionsPS : public CPropertySheet {
    Q_OBJECT

public:
    explicit COptionsPS(QWidget* parent = nullptr);

    // Loads the page's value (which also puts it in force) and adds the page.
    void AddPages();
    // Stores the page's value.
    void Save();
    COptionsPSGeneral* GeneralPage() const { return m_general; }

private:
    COptionsPSGeneral* m_general;
};
