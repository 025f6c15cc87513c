#pragma once

#include <map>
#include <vector>

#include "gui/images/PictureIds.h"

class CDialogUnits;
class CPictureButton;
class QWidget;

// A picture button of the table: its control id and its four faces.
struct PictureControl {
    unsigned id;
    ButtonFaces faces;
};

// The table's navigation buttons (first, previous, next and last deal) and its centre
// square. The title and the compass letters are texts the bidding table sets itself.
class CHandDisplay {
public:
    CHandDisplay(std::vector<PictureControl> navigation, unsigned compassFrameId);
    virtual ~CHandDisplay();
    CHandDisplay(const CHandDisplay&) = delete;
    CHandDisplay& operator=(const CHandDisplay&) = delete;

    // Makes the buttons on the dialog, each sized to its pictures.
    virtual void Attach(QWidget& dialog, const CDialogUnits& units);
    // Another deal: the vulnerability picture inside the centre square is painted again.
    virtual void Refresh(QWidget& dialog);

    CPictureButton* Button(unsigned id) const;
    const std::map<unsigned, CPictureButton*>& Buttons() const { return m_buttons; }

protected:
    CPictureButton* AddButton(QWidget& dialog, const PictureControl& control, int x, int y);

private:
    std::vector<PictureControl> m_navigation;
    unsigned m_compassFrameId;
    std::map<unsigned, CPictureButton*> m_buttons;  // owned by the dialog
};
