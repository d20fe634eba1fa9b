// The one window of the program, built from its fixed definition: every control
// at its place with its caption and its name for screen readers, the menu bar and
// the tab order. Members carry the controls' names from that definition.
#pragma once

// The control classes come along, so that code handing a member to a toolkit
// operation sees what kind of control it is.
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "ui/browser_box.h"
#include "ui/one_line_label.h"
#include "ui/result_list.h"

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    OneLineLabel* 标签2 = nullptr;
    QPushButton* 搜索按钮 = nullptr;
    QLineEdit* 搜索编辑框 = nullptr;
    QPushButton* 采集按钮 = nullptr;
    QPushButton* 下一页按钮 = nullptr;
    OneLineLabel* 标签1 = nullptr;
    QLineEdit* 页数编辑框 = nullptr;
    QPushButton* 按钮1 = nullptr;
    QPushButton* 按钮2 = nullptr;
    OneLineLabel* 标签4 = nullptr;
    OneLineLabel* 标签5 = nullptr;
    OneLineLabel* 标签6 = nullptr;
    ResultList* 超级列表框1 = nullptr;
    OneLineLabel* 标签3 = nullptr;
    BrowserBox* 超文本浏览框1 = nullptr;

    // One action per row command, shared by the menu bar and the right-click popup.
    QMenu* 右键菜单 = nullptr;
    QAction* 迅雷下载 = nullptr;
    QAction* 复制下载地址 = nullptr;

private:
    void setUpFrame();
    void createControls();
    void nameControls();
    void createMenu();
    void setUpTabOrder();
    void fixSize();

    OneLineLabel* createLabel(const QString& name, QRect place, const QString& caption,
                              QColor colour);
    QPushButton* createButton(const QString& name, QRect place, const QString& caption);
    QLineEdit* createEditBox(const QString& name, QRect place);
};
