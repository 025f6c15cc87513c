#include "gui/grid/CellStyle.h"

namespace {

template <typename Value, std::size_t N>
std::optional<Value> FirstSet(unsigned style, const std::pair<unsigned, Value> (&group)[N]) {
    for (const auto& [bit, value] : group) {
        if (style & bit) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

CellLook ResolveCellStyle(unsigned style) {
    static const std::pair<unsigned, CellFont> fonts[] = {{kCellUnderline, CellFont::Underline},
                                                          {kCellBold, CellFont::Bold}};
    static const std::pair<unsigned, QColor> texts[] = {{kCellTextGrey, QColor(170, 170, 170)},
                                                        {kCellTextRed, QColor(255, 0, 0)},
                                                        {kCellTextGreen, QColor(0, 255, 0)},
                                                        {kCellTextBlue, QColor(0, 0, 255)}};
    static const std::pair<unsigned, Qt::Alignment> horizontals[] = {
        {kCellAlignLeft, Qt::AlignLeft},
        {kCellAlignCentre, Qt::AlignHCenter},
        {kCellAlignRight, Qt::AlignRight}};
    static const std::pair<unsigned, Qt::Alignment> verticals[] = {
        {kCellAlignTop, Qt::AlignTop},
        {kCellAlignMiddle, Qt::AlignVCenter},
        {kCellAlignBottom, Qt::AlignBottom}};
    static const std::pair<unsigned, QColor> backgrounds[] = {
        {kCellBackgroundGrey, QColor(170, 170, 170)},
        {kCellBackgroundWhite, QColor(Qt::white)},
        {kCellBackgroundMarked, QColor(255, 226, 120)}};

    CellLook look;
    look.font = FirstSet(style, fonts).value_or(CellFont::Default);
    look.text = FirstSet(style, texts);
    look.horizontal = FirstSet(style, horizontals).value_or(Qt::Alignment());
    look.vertical = FirstSet(style, verticals).value_or(Qt::Alignment());
    look.background = FirstSet(style, backgrounds);
    return look;
}
