#include "core/deals/CPbnLine.h"

#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"

CPbnLine::CPbnLine(bool escape) : CItem(IDS_PBN_LINE, KIND_PBN_LINE), m_escape(escape ? 1 : 0) {}

void CPbnLine::Reset(bool escape) {
    m_escapeText.clear();
    m_escape = escape ? 1 : 0;
    m_tagName.clear();
    m_tagValue.clear();
    m_lineComment.clear();
    m_braceComment.clear();
    m_section.clear();
}
