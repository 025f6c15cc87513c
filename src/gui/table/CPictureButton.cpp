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
    // The face fills the button, which an enlarged dialog makes larger than the picture.
    const double scale = double(width()) / PictureSize(m_faces.normal).width();
    const QPixmap face = PaintPicture(CurrentFace(), devicePixelRatioF() * scale);
    QPainter painter(this);
    painter.drawPixmap(QRectF(rect()), face, QRectF(face.rect()));
}

void CPictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
