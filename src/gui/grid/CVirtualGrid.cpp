#include "gui/grid/CVirtualGrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include "gui/grid/DialogFont.h"

namespace {

const Qt::Alignment kDefaultHorizontal = Qt::AlignHCenter;
const Qt::Alignment kDefaultVertical = Qt::AlignVCenter;

}  // namespace

// The model the view reads: every answer comes from the grid's hooks. Counts are kept from
// the last Refresh.
class CVirtualGrid::CModel : public QAbstractTableModel {
public:
    explicit CModel(CVirtualGrid& grid) : QAbstractTableModel(&grid), m_grid(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : m_columns;
    }

    bool IsAppendRow(int row) const { return m_appendRow && row == m_rows - 1; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || IsAppendRow(index.row())) {
            return role == Qt::TextAlignmentRole ? Alignment(index.column(), 0) : QVariant();
        }
        if (role == Qt::ToolTipRole) {
            const QString tip = m_grid.GetCellToolTip(index.column(), index.row());
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        QString text;
        unsigned style = 0;
        m_grid.GetCell(index.column(), index.row(), text, style);
        return Look(role, text, style, index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        QString text;
        unsigned style = 0;
        if (orientation == Qt::Horizontal) {
            m_grid.GetColumnHeading(section, text, style);
        } else if (IsAppendRow(section)) {
            text = QStringLiteral("*");
        } else {
            m_grid.GetRowHeading(section, text, style);
        }
        return Look(role, text, style, -1);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !index.isValid() ||
            !m_grid.StoreCell(index.column(), index.row(), value.toString())) {
            return false;
        }
        emit dataChanged(index, index);
        return true;
    }

    void Reload() {
        const int columns = m_grid.GetNumberOfColumns();
        const bool appendRow = m_grid.HasAppendRow();
        const int rows = m_grid.GetNumberOfRows() + (appendRow ? 1 : 0);
        if (columns != m_columns || appendRow != m_appendRow) {
            beginResetModel();
            m_columns = columns;
            m_rows = rows;
            m_appendRow = appendRow;
            endResetModel();
            m_grid.SetupColumns();
            return;
        }
        // Growing or shrinking by rows keeps the view's scroll position and current cell.
        if (rows > m_rows) {
            beginInsertRows({}, m_rows, rows - 1);
            m_rows = rows;
            endInsertRows();
        } else if (rows < m_rows) {
            beginRemoveRows({}, rows, m_rows - 1);
            m_rows = rows;
            endRemoveRows();
        }
        if (m_rows > 0 && m_columns > 0) {
            emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
        }
        if (m_columns > 0) {
            emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
        }
        if (m_rows > 0) {
            emit headerDataChanged(Qt::Vertical, 0, m_rows - 1);
        }
    }

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }

private:
    QVariant Alignment(int column, unsigned style) const {
        CellLook look = ResolveCellStyle(style);
        if (column >= 0) {
            const auto found = m_grid.m_columnStyles.find(column);
            if (found != m_grid.m_columnStyles.end()) {
                const CellLook columnLook = ResolveCellStyle(found->second);
                look.horizontal = look.horizontal ? look.horizontal : columnLook.horizontal;
                look.vertical = look.vertical ? look.vertical : columnLook.vertical;
            }
        }
        const Qt::Alignment horizontal = look.horizontal ? look.horizontal : kDefaultHorizontal;
        const Qt::Alignment vertical = look.vertical ? look.vertical : kDefaultVertical;
        return QVariant::fromValue(horizontal | vertical);
    }

    QVariant Look(int role, const QString& text, unsigned style, int column) const {
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return text;
            case Qt::FontRole:
                return m_grid.FontFor(ResolveCellStyle(style).font);
            case Qt::ForegroundRole: {
                const auto colour = ResolveCellStyle(style).text;
                return colour ? QVariant(QBrush(*colour)) : QVariant();
            }
            case Qt::BackgroundRole: {
                const auto colour = ResolveCellStyle(style).background;
                return colour ? QVariant(QBrush(*colour)) : QVariant();
            }
            case Qt::TextAlignmentRole:
                return Alignment(column, style);
            default:
                return {};
        }
    }

    CVirtualGrid& m_grid;
    int m_rows = 0;
    int m_columns = 0;
    bool m_appendRow = false;
};

CVirtualGrid::CVirtualGrid(QWidget* parent) : QTableView(parent), m_model(new CModel(*this)) {
    SetFontScale(1.0);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
}

CVirtualGrid::~CVirtualGrid() = default;

void CVirtualGrid::Refresh() {
    m_model->Reload();
    viewport()->update();
}

void CVirtualGrid::RedrawCell(int column, int row) {
    const QModelIndex index = m_model->index(row, column);
    if (index.isValid()) {
        emit m_model->dataChanged(index, index);
    }
}

void CVirtualGrid::SetFontScale(double scale) {
    m_normalFont = DialogFont();
    m_normalFont.setPointSizeF(m_normalFont.pointSizeF() * scale);
    m_underlinedFont = m_normalFont;
    m_underlinedFont.setUnderline(true);
    m_boldFont = m_normalFont;
    m_boldFont.setWeight(QFont::Bold);
    setFont(m_normalFont);
    viewport()->update();
}

void CVirtualGrid::SetUniformRowHeight(int pixels) {
    for (QHeaderView* header : {verticalHeader(), horizontalHeader()}) {
        header->setMinimumSectionSize(0);
    }
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(pixels);
    horizontalHeader()->setFixedHeight(pixels);
}

void CVirtualGrid::SetRowHeadingWidth(int pixels) {
    verticalHeader()->setVisible(pixels > 0);
    if (pixels > 0) {
        verticalHeader()->setFixedWidth(pixels);
    }
}

void CVirtualGrid::SetHorizontalScrollBarShown(bool shown) {
    setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void CVirtualGrid::FitColumnsToWidth() {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void CVirtualGrid::SetColumnDefaultStyle(int column, unsigned style) {
    m_columnStyles[column] = style;
    if (m_model->Rows() > 0 && column < m_model->Columns()) {
        emit m_model->dataChanged(m_model->index(0, column),
                                  m_model->index(m_model->Rows() - 1, column));
    }
}

int CVirtualGrid::ColumnCount() const {
    return m_model->Columns();
}

int CVirtualGrid::RowCount() const {
    return m_model->Rows();
}

void CVirtualGrid::GetCorner(QString& text, unsigned& style) const {
    text.clear();
    style = 0;
}

void CVirtualGrid::GetColumnHeading(int, QString& text, unsigned& style) const {
    text.clear();
    style = 0;
}

void CVirtualGrid::GetRowHeading(int row, QString& text, unsigned& style) const {
    text = QString::number(row + 1);
    style = 0;
}

bool CVirtualGrid::StoreCell(int, int, const QString&) {
    return false;
}

QString CVirtualGrid::GetCellToolTip(int, int) const {
    return {};
}

bool CVirtualGrid::GetCellMenu(int, int, QMenu&) {
    return false;
}

void CVirtualGrid::OnCellDoubleClick(int, int) {}

void CVirtualGrid::OnMenuCommand(int, int, unsigned) {}

QAction* CVirtualGrid::AppendMenuItem(QMenu& menu, unsigned commandId, const QString& text,
                                      bool enabled, bool checked) {
    QAction* action = menu.addAction(text);
    action->setData(commandId);
    action->setEnabled(enabled);
    if (checked) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    return action;
}

bool CVirtualGrid::CellAt(QPoint point, int& column, int& row) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid() || m_model->IsAppendRow(index.row())) {
        return false;
    }
    column = index.column();
    row = index.row();
    return true;
}

void CVirtualGrid::contextMenuEvent(QContextMenuEvent* event) {
    int column = 0, row = 0;
    if (!CellAt(event->pos(), column, row)) {
        return;
    }
    QMenu menu(this);
    if (!GetCellMenu(column, row, menu) || menu.isEmpty()) {
        return;
    }
    if (QAction* chosen = menu.exec(event->globalPos())) {
        OnMenuCommand(column, row, chosen->data().toUInt());
    }
}

void CVirtualGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    int column = 0, row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), column, row)) {
        OnCellDoubleClick(column, row);
    }
}

const QFont& CVirtualGrid::FontFor(CellFont font) const {
    switch (font) {
        case CellFont::Underline:
            return m_underlinedFont;
        case CellFont::Bold:
            return m_boldFont;
        case CellFont::Default:
            break;
    }
    return m_normalFont;
}

// The corner button of a table view draws no text of its own.
bool CVirtualGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        PaintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void CVirtualGrid::PaintCorner(QWidget* corner) {
    QString text;
    unsigned style = 0;
    GetCorner(text, style);
    const CellLook look = ResolveCellStyle(style);
    QStylePainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text;
    option.textAlignment = (look.horizontal ? look.horizontal : kDefaultHorizontal) |
                           (look.vertical ? look.vertical : kDefaultVertical);
    if (look.text) {
        option.palette.setColor(QPalette::ButtonText, *look.text);
    }
    painter.setFont(FontFor(look.font));
    painter.drawControl(QStyle::CE_Header, option);
}
