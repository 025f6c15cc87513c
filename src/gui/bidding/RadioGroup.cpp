#include "gui/bidding/RadioGroup.h"

#include <QVBoxLayout>

#include "gui/common/CPropertyPage.h"

CRadioGroup::CRadioGroup(const QString& title,
                         std::initializer_list<std::pair<int, const char*>> buttons,
                         QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    int position = 0;
    for (const auto& [controlId, text] : buttons) {
        auto* button = NewPageControl<QRadioButton>(controlId, QString::fromUtf8(text), this);
        m_group->addButton(button, position++);
        layout->addWidget(button);
    }
}

void CRadioGroup::SetValue(int value) {
    if (QAbstractButton* button = m_group->button(value)) {
        button->setChecked(true);
        return;
    }
    // No button for the value: none is checked.
    m_group->setExclusive(false);
    for (QAbstractButton* button : m_group->buttons()) {
        button->setChecked(false);
    }
    m_group->setExclusive(true);
}

void CRadioGroup::SetButtonsEnabled(bool enabled) {
    for (QAbstractButton* button : m_group->buttons()) {
        button->setEnabled(enabled);
    }
}
