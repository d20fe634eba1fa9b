#include "ui/main_window.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "build_config.h"
#include "ui/browser_box.h"
#include "ui/one_line_label.h"
#include "ui/result_list.h"
#include "ui/window_texts.h"

using namespace Qt::StringLiterals;

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

// The area below the menu bar.
constexpr QSize clientSize(1030, 505);

// 宋体 first; where it is missing, a CJK font whose Latin letters and digits are
// about as narrow as 宋体's.
const QStringList cjkFamilies{u"宋体"_s, u"SimSun"_s, u"WenQuanYi Micro Hei"_s};

// The controls were placed for 宋体 at 12 pixels, the Chinese GUI font; a wider
// or larger desktop font would push captions out of their boxes.
QFont guiFont(const QFont& base) {
    QFont font = base;
    font.setFamilies(cjkFamilies);
    font.setPixelSize(12);
    return font;
}

QFont statusFont(const QFont& base) {
    QFont font = base;
    font.setFamilies(cjkFamilies);
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setUpFrame();
    createControls();
    nameControls();
    createMenu();
    setUpTabOrder();
    fixSize();
}

void MainWindow::setUpFrame() {
    setWindowTitle(u"Vantrel 【Orlimex】"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(guiFont(font()));
    setCentralWidget(new QWidget(this));
    centralWidget()->setFixedSize(clientSize);
}

void MainWindow::createControls() {
    标签2 = createLabel(u"标签2"_s, {17, 8, 272, 24}, {}, red);
    标签2->setFont(statusFont(font()));
    搜索按钮 = createButton(u"搜索按钮"_s, {304, 3, 96, 32}, u"搜索"_s);
    搜索按钮->hide();
    搜索编辑框 = createEditBox(u"搜索编辑框"_s, {8, 40, 288, 32});
    采集按钮 = createButton(u"采集按钮"_s, {304, 40, 96, 32}, u"数据采集"_s);
    下一页按钮 = createButton(u"下一页按钮"_s, {408, 40, 96, 32}, u"下一页"_s);
    标签1 = createLabel(u"标签1"_s, {534, 40, 32, 32}, u"页数"_s, black);
    页数编辑框 = createEditBox(u"页数编辑框"_s, {576, 40, 72, 32});
    按钮1 = createButton(u"按钮1"_s, {656, 17, 96, 56}, u"在线QQ客服01"_s);
    按钮2 = createButton(u"按钮2"_s, {761, 16, 96, 56}, u"在线QQ客服02"_s);
    标签4 = createLabel(u"标签4"_s, {864, 10, 152, 64}, u"加QQ第一时间获取最新动态"_s, red);
    标签5 = createLabel(u"标签5"_s, {892, 13, 88, 16},
                        supportLabelText(buildConfig::supportAccount1), red);
    标签6 = createLabel(u"标签6"_s, {893, 53, 88, 16},
                        supportLabelText(buildConfig::supportAccount2), red);
    超级列表框1 = new ResultList(centralWidget());
    超级列表框1->setObjectName(u"超级列表框1"_s);
    超级列表框1->setGeometry(8, 88, 1008, 400);
    标签3 = createLabel(u"标签3"_s, {263, 489, 545, 15}, noticeText(), red);
    超文本浏览框1 = new BrowserBox(centralWidget());
    超文本浏览框1->setObjectName(u"超文本浏览框1"_s);
    超文本浏览框1->setGeometry(792, 336, 32, 40);
    超文本浏览框1->hide();
}

void MainWindow::createMenu() {
    // Kept inside the window: the client area is measured from below the menu bar.
    menuBar()->setNativeMenuBar(false);
    右键菜单 = menuBar()->addMenu(u"右键菜单"_s);
    右键菜单->setObjectName(u"右键菜单"_s);
    迅雷下载 = 右键菜单->addAction(u"迅雷下载"_s);
    迅雷下载->setObjectName(u"迅雷下载"_s);
    复制下载地址 = 右键菜单->addAction(u"复制下载地址"_s);
    复制下载地址->setObjectName(u"复制下载地址"_s);
}

void MainWindow::setUpTabOrder() {
    QWidget* const chain[] = {搜索按钮, 搜索编辑框, 采集按钮, 下一页按钮,
                              页数编辑框, 按钮1,     按钮2,     超级列表框1};
    for (std::size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::fixSize() {
    // The window takes exactly the menu bar and the client area, and keeps doing
    // so when a theme switch changes the menu bar's height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();  // sized now, so the window can be centred before it shows
}

OneLineLabel* MainWindow::createLabel(const QString& name, QRect place, const QString& caption,
                                      QColor colour) {
    auto* label = new OneLineLabel(centralWidget());
    label->setObjectName(name);
    label->setGeometry(place);
    label->setText(caption);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

QPushButton* MainWindow::createButton(const QString& name, QRect place, const QString& caption) {
    auto* button = new QPushButton(caption, centralWidget());
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* MainWindow::createEditBox(const QString& name, QRect place) {
    auto* editBox = new QLineEdit(centralWidget());
    editBox->setObjectName(name);
    editBox->setGeometry(place);
    QPalette colours = editBox->palette();
    colours.setColor(QPalette::Base, QColor(255, 255, 255));
    colours.setColor(QPalette::Text, QColor(0, 0, 0));
    editBox->setPalette(colours);
    return editBox;
}
