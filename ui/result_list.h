// The result list: a report view over ResultModel with fixed columns, whole-row
// single selection and a right-click event that follows the selection change.
#pragma once

#include <QTableView>

class ResultModel;

class ResultList : public QTableView {
    Q_OBJECT

public:
    explicit ResultList(QWidget* parent = nullptr);

    ResultModel& resultModel() const { return *model_; }

signals:
    // Raised on each right click inside the rows area, once the click has updated
    // the selection (a right click on a row selects that row).
    void rightClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUpColumns();
    void setUpRows();
    void setUpLook();

    ResultModel* model_;
};
