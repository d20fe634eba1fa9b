// What a screen reader reads for each control of the main window.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/main_window.h"

using namespace Qt::StringLiterals;

namespace {

class OneLineLabelAccessible : public QAccessibleWidget {
public:
    explicit OneLineLabelAccessible(OneLineLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const auto* label = static_cast<const OneLineLabel*>(widget());
        if (!label->accessibleName().isEmpty()) return label->accessibleName();
        const QString caption = label->displayText();
        // The status line is blank until the first search; it still needs a name.
        return caption.isEmpty() ? label->accessibleDescription() : caption;
    }
};

QAccessibleInterface* oneLineLabelAccessible(const QString& className, QObject* object) {
    if (className != "OneLineLabel"_L1 || !object || !object->isWidgetType()) return nullptr;
    return new OneLineLabelAccessible(static_cast<OneLineLabel*>(object));
}

}  // namespace

void readOneLineLabelsAsDrawn() {
    QAccessible::installFactory(oneLineLabelAccessible);  // ignores a second install
}

void MainWindow::nameControls() {
    // A button is read by its caption, as a sighted user reads it.
    for (QPushButton* button : {搜索按钮, 采集按钮, 下一页按钮, 按钮1, 按钮2})
        button->setAccessibleName(button->text());
    // The boxes have no caption of their own: their names say what they hold.
    搜索编辑框->setAccessibleName(u"搜索关键词"_s);
    页数编辑框->setAccessibleName(u"页数"_s);
    超级列表框1->setAccessibleName(u"搜索结果"_s);
    超文本浏览框1->setAccessibleName(u"网页浏览框"_s);
    // Labels get no fixed name, so the status line is read anew whenever its text
    // changes; until then it is read by what it shows.
    标签2->setAccessibleDescription(u"状态"_s);
}
