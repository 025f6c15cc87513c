#pragma once

#include <QLineEdit>
#include <QList>
#include <string>
#include <vector>

#include "core/defence/CAutomaticDefensiveBidding.h"
#include "gui/common/CPropertyPage.h"
#include "gui/common/HelpContexts.h"

// A page of the Automatic Defensive Actions sheet: labelled edits, each holding one of the
// defensive-action texts, in framed groups. No validation: any text, also an empty one.
class CAutomaticDefensiveActionPage : public CPropertyPage {
    Q_OBJECT

public:
    struct Field {
        DefenceText text;
        int controlId;
    };
    struct Row {
        const char* label;
        std::vector<Field> fields;  // one, or a name and an abbreviation
    };
    struct Group {
        const char* title;
        std::vector<const char*> columnCaptions;  // empty, or one caption per field
        std::vector<Row> rows;
    };

    CAutomaticDefensiveActionPage(const QString& caption, unsigned dialogId,
                                  const std::vector<Group>& groups);

    // The page's texts from the settings object, shown in the edits.
    void Load(const CAutomaticDefensiveBidding& defence);
    // The page's texts into the settings object.
    void Store(CAutomaticDefensiveBidding& defence) const;
    bool UpdateData(bool saveAndValidate) override;

    QLineEdit* Edit(int controlId) const;

private:
    struct Entry {
        Field field;
        QLineEdit* edit;
        std::string value;
    };
    QList<Entry> m_entries;
};
