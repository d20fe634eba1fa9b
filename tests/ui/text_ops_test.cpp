// Captions and edit boxes through the toolkit operations: program text in,
// Unicode on screen, the same bytes back out.
#include <QLineEdit>

#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/one_line_label.h"
#include "ui/toolkit.h"

using namespace Qt::StringLiterals;

namespace {

struct TextCase {
    std::string programText;  // GB18030 bytes, from an independent encoder
    QString shown;
};

const TextCase textCases[] = {
    {"", u""_s},
    {"magnet:?xt=urn:btih:0123", u"magnet:?xt=urn:btih:0123"_s},
    {"\xC0\xCF\xC5\xDA\xB6\xF9", u"老炮儿"_s},
    {"\x83\x36\x84\x33\x82\x37\xF4\x30\x83\x32\xEB\x35", u"한국어"_s},
    {"\x94\x39\xFC\x36", u"😀"_s},
    {"\xB4\xC5\xC1\xA6\x20\x81\x37\xBD\x37", u"磁力 ✓"_s},
};

class TextOpsTest : public WindowFixture {
protected:
    void SetUp() override { load({}); }
};

TEST_F(TextOpsTest, EditBoxShowsProgramTextAndGivesItBack) {
    for (const TextCase& c : textCases) {
        SCOPED_TRACE(c.shown.toStdString());
        setText(window().搜索编辑框, c.programText);
        EXPECT_EQ(window().搜索编辑框->text(), c.shown);
        EXPECT_EQ(getText(window().搜索编辑框), c.programText);
    }
}

TEST_F(TextOpsTest, LabelShowsProgramText) {
    for (const TextCase& c : textCases) {
        SCOPED_TRACE(c.shown.toStdString());
        setText(window().标签2, c.programText);
        EXPECT_EQ(window().标签2->text(), c.shown);
    }
}

TEST_F(TextOpsTest, WhatTheUserTypesIsReadAsProgramText) {
    window().页数编辑框->clear();
    window().页数编辑框->insert(u"第2页"_s);
    EXPECT_EQ(getText(window().页数编辑框), "\xB5\xDA" "2" "\xD2\xB3");
}

}  // namespace
