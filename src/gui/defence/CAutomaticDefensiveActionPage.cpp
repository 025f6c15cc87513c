#include "gui/defence/CAutomaticDefensiveActionPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/common/QtText.h"

CAutomaticDefensiveActionPage::CAutomaticDefensiveActionPage(const QString& caption,
                                                             unsigned dialogId,
                                                             const std::vector<Group>& groups)
    : CPropertyPage(caption, dialogId) {
    setObjectName(QStringLiteral("page%1").arg(dialogId));
    auto* layout = new QVBoxLayout(this);
    for (const Group& group : groups) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
        auto* grid = new QGridLayout(box);
        int row = 0;
        if (!group.columnCaptions.empty()) {
            for (std::size_t column = 0; column < group.columnCaptions.size(); ++column) {
                grid->addWidget(new QLabel(QString::fromUtf8(group.columnCaptions[column]), box),
                                row, static_cast<int>(column) + 1);
            }
            ++row;
        }
        for (const Row& line : group.rows) {
            auto* label = new QLabel(QString::fromUtf8(line.label), box);
            grid->addWidget(label, row, 0);
            int column = 1;
            for (const Field& field : line.fields) {
                auto* edit = NewPageControl<QLineEdit>(field.controlId, box);
                // Room for a template's default text; an abbreviation needs little.
                const QString room = line.fields.size() > 1 && column == 2
                                         ? QStringLiteral("NTNT")
                                         : QStringLiteral("East jump supports to at most 4S");
                edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(room) + 16);
                if (column == 1) {
                    label->setBuddy(edit);
                }
                grid->addWidget(edit, row, column++);
                m_entries.append({field, edit, {}});
            }
            ++row;
        }
        grid->setColumnStretch(1, 3);
        if (grid->columnCount() > 2) {
            grid->setColumnStretch(2, 1);
        }
        layout->addWidget(box);
    }
    layout->addStretch();
}

void CAutomaticDefensiveActionPage::Load(const CAutomaticDefensiveBidding& defence) {
    for (Entry& entry : m_entries) {
        entry.value = defence.Get(entry.field.text);
    }
    UpdateData(false);
}

void CAutomaticDefensiveActionPage::Store(CAutomaticDefensiveBidding& defence) const {
    for (const Entry& entry : m_entries) {
        defence.Set(entry.field.text, entry.value);
    }
}

bool CAutomaticDefensiveActionPage::UpdateData(bool saveAndValidate) {
    for (Entry& entry : m_entries) {
        if (saveAndValidate) {
            entry.value = ToBytes(entry.edit->text());
        } else {
            entry.edit->setText(FromBytes(entry.value));
        }
    }
    return true;
}

QLineEdit* CAutomaticDefensiveActionPage::Edit(int controlId) const {
    for (const Entry& entry : m_entries) {
        if (entry.field.controlId == controlId) {
            return entry.edit;
        }
    }
    return nullptr;
}
