#pragma once

#include <QHash>
#include <QIcon>

// The pictures of one tree's nodes, each bitmap id painted once.
class CTreeImageMap {
public:
    // Does nothing for an id that is already mapped.
    void Add(unsigned bitmapId);
    // An empty icon for an id that was never added.
    QIcon Icon(unsigned bitmapId) const { return m_icons.value(bitmapId); }
    bool Contains(unsigned bitmapId) const { return m_icons.contains(bitmapId); }

private:
    QHash<unsigned, QIcon> m_icons;
};
