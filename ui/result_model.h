// The rows of the result list, held as program text: six cells per row and no
// object per cell, so a list of 100,000 rows stays cheap to fill and to scroll.
#pragma once

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <vector>

inline constexpr int listColumnCount = 6;

struct ListRow {
    std::array<std::string, listColumnCount> cells;
};

class ResultModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Appends one empty row and returns its index.
    int appendRow();
    void appendRows(std::vector<ListRow> rows);
    void removeAllRows();

    // Out-of-range rows and columns are ignored on write and read back as empty text.
    void setCell(int row, int column, std::string text);
    std::string cell(int row, int column) const;

private:
    bool holds(int row, int column) const;

    std::vector<ListRow> rows_;
};
