#include "gui/app/CTreeImageMap.h"

#include "gui/images/Pictures.h"

void CTreeImageMap::Add(unsigned bitmapId) {
    if (!m_icons.contains(bitmapId)) {
        m_icons.insert(bitmapId, PictureIcon(bitmapId));
    }
}
