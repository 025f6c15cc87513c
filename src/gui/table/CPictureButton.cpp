#include "gui/table/CPictureButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "gui/images/Pictures.h"

CPictureButton::CPictureButton(const ButtonFaces& faces, QWidget* parent)
    : QAbstractButton(parent), m_faces(faces) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(PictureSize(faces.normal));
}

unsigned CPictureButton::CurrentFace() const {
    if (!isEnabled()) {
        return m_faces.disabled;
    }
    if (isDown()) {
        return m_faces.pressed;
    }
    return hasFocus() ? m_faces.focused : m_faces.normal;
}

QSize CPictureButton::sizeHint() const {
    return PictureSize(m_faces.normal);
}

void CPictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, PaintPicture(CurrentFace(), devicePixelRatioF()));
}

void CPictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
