#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <initializer_list>
#include <utility>

// A framed group of radio buttons whose value is the position of the checked button in the
// group (0, 1, ...), or -1 when none is checked, like the dialog data exchange of a radio
// group. Buttons are named "control<id>".
class CRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    CRadioGroup(const QString& title, std::initializer_list<std::pair<int, const char*>> buttons,
                QWidget* parent = nullptr);

    int Value() const { return m_group->checkedId(); }
    void SetValue(int value);
    void SetButtonsEnabled(bool enabled);

private:
    QButtonGroup* m_group;
};
