#include "ui/result_model.h"

#include <QColor>
#include <QStringList>

#include <iterator>
#include <utility>

#include "ui/program_text.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList& columnTitles() {
    static const QStringList titles{QString(), u"序号"_s, u"更新时间"_s,
                                    u"文件大小"_s, u"文件名称"_s, u"磁力链接"_s};
    return titles;
}

}  // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : listColumnCount;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!holds(index.row(), index.column())) return {};
    switch (role) {
        case Qt::DisplayRole:
            return toQString(rows_[index.row()].cells[index.column()]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return QColor(255, 255, 0);
        case Qt::ForegroundRole:
            return QColor(0, 0, 0);
        default:
            return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= listColumnCount) return {};
    if (role == Qt::DisplayRole) return columnTitles().at(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ResultModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int ResultModel::appendRow() {
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.emplace_back();
    endInsertRows();
    return row;
}

void ResultModel::appendRows(std::vector<ListRow> rows) {
    if (rows.empty()) return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ResultModel::removeAllRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void ResultModel::setCell(int row, int column, std::string text) {
    if (!holds(row, column)) return;
    rows_[row].cells[column] = std::move(text);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

std::string ResultModel::cell(int row, int column) const {
    return holds(row, column) ? rows_[row].cells[column] : std::string();
}

bool ResultModel::holds(int row, int column) const {
    return row >= 0 && row < int(rows_.size()) && column >= 0 && column < listColumnCount;
}
