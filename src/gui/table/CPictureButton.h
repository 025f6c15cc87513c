#pragma once

#include <QAbstractButton>

#include "gui/images/PictureIds.h"

// A button that shows one of four pictures: the disabled face while disabled, else the
// pressed face while held down, else the focused face while it has the focus, else the
// normal face. Its size is its pictures' size.
class CPictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CPictureButton(const ButtonFaces& faces, QWidget* parent = nullptr);

    const ButtonFaces& Faces() const { return m_faces; }
    // The id of the face shown now.
    unsigned CurrentFace() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses the focused button, as Space does, rather than the dialog's default.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ButtonFaces m_faces;
};
