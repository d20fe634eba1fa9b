#include <gtest/gtest.h>

#include <string>

#include "search/keyword_encoding.h"
#include "tests/bytes.h"

namespace {

struct Case {
    const char* name;
    std::string keyword;  // program-text bytes as typed into the box
    std::string want;
};

TEST(EncodeKeywordBytes, WorkedExamplesAndBoundaries) {
    const Case cases[] = {
        {"space is %20", "abc def", "abc%20def"},
        {"one Chinese character", bytes({0xD6, 0xD0}), "%E4%B8%AD"},
        {"default keyword", bytes({0xC0, 0xCF, 0xC5, 0xDA, 0xB6, 0xF9}),
         "%E8%80%81%E7%82%AE%E5%84%BF"},
        {"reserved punctuation goes out as is", "a+b/c?d", "a+b/c?d"},
        {"braces and tilde escaped", "x{y}~", "x%7By%7D%7E"},
        {"tab gets a leading zero", "\t", "%09"},
        {"empty box", "", ""},
        {"lowest and highest copied bytes", "!z", "!z"},
        {"just outside the copied range", " {", "%20%7B"},
        {"percent sign goes out unchanged", "%41", "%41"},
        {"DEL and a control byte", bytes({0x7F, 0x01}), "%7F%01"},
        {"traditional character, absent from GB2312", bytes({0xB7, 0xB1}), "%E7%B9%81"},
        {"GBK-only character", bytes({0x81, 0x40}), "%E4%B8%82"},
        {"emoji in four-byte form", bytes({0x94, 0x39, 0xFC, 0x36}), "%F0%9F%98%80"},
        {"bytes after a zero byte are not part of the keyword", std::string("ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeKeywordBytes(c.keyword), c.want) << c.name;
    }
}

TEST(EncodeKeywordBytes, KeywordThatDoesNotConvertIsDroppedWhole) {
    const Case cases[] = {
        {"stray 0x80", "ab" + bytes({0x80}), ""},
        {"0xFF", bytes({0xFF}) + "x", ""},
        {"lead byte left without its second byte", "abc" + bytes({0xD6}), ""},
        {"cut four-byte sequence", bytes({0x94, 0x39, 0xFC}), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeKeywordBytes(c.keyword), c.want) << c.name;
    }
}

}  // namespace
