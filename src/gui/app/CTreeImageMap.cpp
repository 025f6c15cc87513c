#include "app/CTreeImageMap.h"

#include "images/Pictures.h"

void CTreeImageMap::Add(unsigned bitmapId) {
    if (!m_icons.contains(bitmapId)) {
        m_icons.insert(bitmapId, PictureIcon(bitmapId));
    }
}
