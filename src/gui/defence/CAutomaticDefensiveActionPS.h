#pragma once

#include <QList>

#include "core/defence/CAutomaticDefensiveBidding.h"
#include "gui/common/CPropertySheet.h"

class CAutomaticDefensiveActionPage;

// The Automatic Defensive Actions sheet: the 27 defensive-action texts on six pages. It
// reads the texts from the settings store when it is made; only Save writes them back.
class CAutomaticDefensiveActionPS : public CPropertySheet {
    Q_OBJECT

public:
    explicit CAutomaticDefensiveActionPS(QWidget* parent = nullptr);

    // Each page takes its texts and is added, in tab order.
    void AddPages();
    // Every page's texts back into the settings object, which stores all 27 keys.
    void Save();
    // AddPages, the sheet, and Save when the person confirms with OK.
    bool DoModal();

    const CAutomaticDefensiveBidding& Defence() const { return m_defence; }

private:
    CAutomaticDefensiveBidding m_defence;
    QList<CAutomaticDefensiveActionPage*> m_pages;
};
