#pragma once

#include <optional>

#include <QColor>
#include <Qt>

// The style word that a grid's hooks return with a cell's text. Bits combine; within a group
// the first listed wins, and a group with no bit set leaves the grid's default.
constexpr unsigned kCellUnderline = 0x0001;
constexpr unsigned kCellBold = 0x0002;  // when not underlined
constexpr unsigned kCellTextGrey = 0x0004;
constexpr unsigned kCellTextRed = 0x0008;
constexpr unsigned kCellTextGreen = 0x0010;
constexpr unsigned kCellTextBlue = 0x0020;
constexpr unsigned kCellAlignLeft = 0x0040;
constexpr unsigned kCellAlignCentre = 0x0080;
constexpr unsigned kCellAlignRight = 0x0100;
constexpr unsigned kCellAlignTop = 0x0200;
constexpr unsigned kCellAlignMiddle = 0x0400;
constexpr unsigned kCellAlignBottom = 0x0800;
constexpr unsigned kCellBackgroundGrey = 0x1000;
constexpr unsigned kCellBackgroundWhite = 0x2000;
constexpr unsigned kCellBackgroundMarked = 0x4000;  // light yellow: the cell to look at

enum class CellFont { Default, Underline, Bold };

// What a style word asks for; an empty member means "the grid's default".
struct CellLook {
    CellFont font = CellFont::Default;
    std::optional<QColor> text;
    std::optional<QColor> background;
    Qt::Alignment horizontal;
    Qt::Alignment vertical;
};

CellLook ResolveCellStyle(unsigned style);
