#include "ui/window_texts.h"

#include <QStringList>

#include "build_config.h"

using namespace Qt::StringLiterals;

QString supportLabelText(const char* account) {
    return u"QQ："_s + QString::fromUtf8(account);
}

QString noticeText() {
    const QStringList lines{
        u"持续更新～"_s,
        u"   如发现有搜索不到的种子"_s,
        u"   请联系QQ："_s + QString::fromUtf8(buildConfig::supportAccount1),
        u"   官网："_s + QString::fromUtf8(buildConfig::makerSite),
    };
    return lines.join(u"\r\n"_s);
}
