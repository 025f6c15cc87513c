#include "gui/table/CDialogUnits.h"

#include <cmath>

#include <QFontMetrics>

namespace {

// units * base / divisor, rounded half away from zero.
int Scale(int units, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width over the letters, as dialog templates have always measured it.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseWidth = std::max(1, (metrics.horizontalAdvance(letters) / 26 + 1) / 2);
    m_baseHeight = std::max(1, metrics.height());
}

int CDialogUnits::X(int units) const {
    return Scale(units, m_baseWidth, 4);
}

int CDialogUnits::Y(int units) const {
    return Scale(units, m_baseHeight, 8);
}

QRect CDialogUnits::ToPixels(int x, int y, int width, int height) const {
    // Edges are mapped, not sizes, so neighbouring controls stay flush.
    const int left = X(x), top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

QSize CDialogUnits::ToPixels(int width, int height) const {
    return QSize(X(width), Y(height));
}
