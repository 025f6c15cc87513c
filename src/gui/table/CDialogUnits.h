#pragma once

#include <QFont>
#include <QRect>

// Dialog layouts are measured in dialog units: a quarter of the font's average character
// width across, an eighth of its height down. Mapping them from the font in use keeps a
// layout's proportions whatever the font and screen.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect ToPixels(int x, int y, int width, int height) const;
    QSize ToPixels(int width, int height) const;

    int BaseWidth() const { return m_baseWidth; }
    int BaseHeight() const { return m_baseHeight; }

private:
    int m_baseWidth;
    int m_baseHeight;
};
