#include "gui/table/CHandDisplay.h"

#include <QWidget>

#include "gui/table/BiddingDialogLayout.h"
#include "gui/table/CDialogUnits.h"
#include "gui/table/CPictureButton.h"
#include "gui/table/DialogIds.h"

CHandDisplay::CHandDisplay(std::vector<PictureControl> navigation, unsigned compassFrameId)
    : m_navigation(std::move(navigation)), m_compassFrameId(compassFrameId) {}

CHandDisplay::~CHandDisplay() = default;

void CHandDisplay::Attach(QWidget& dialog, const CDialogUnits& units) {
    int x = kNavigationX;
    for (const PictureControl& control : m_navigation) {
        AddButton(dialog, control, units.X(x), units.Y(kNavigationY));
        x += kNavigationPitch;
    }
}

void CHandDisplay::Refresh(QWidget& dialog) {
    if (const auto* frame = dialog.findChild<QWidget*>(ControlName(m_compassFrameId))) {
        dialog.update(frame->geometry().adjusted(7, 7, -7, -7));
    }
}

CPictureButton* CHandDisplay::Button(unsigned id) const {
    const auto found = m_buttons.find(id);
    return found == m_buttons.end() ? nullptr : found->second;
}

CPictureButton* CHandDisplay::AddButton(QWidget& dialog, const PictureControl& control, int x,
                                        int y) {
    auto* button = new CPictureButton(control.faces, &dialog);
    button->setObjectName(ControlName(control.id));
    button->move(x, y);
    m_buttons[control.id] = button;
    return button;
}
