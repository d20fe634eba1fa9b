#include "tests/hostile/hostile_pages.h"

#include <charconv>
#include <stdexcept>

#include "tools/demo-site/demo_rows.h"
#include "tools/demo-site/result_page.h"

namespace {

// The replacement character U+FFFD in UTF-8.
const std::string fffd = "\xEF\xBF\xBD";

// A row the way the site writes it: the name into the title attribute as it
// is, the magnet link with its '&' written as "&amp;".
PageRow siteRow(int page, int index) {
    const DemoRow demo = demoRow(pageKeyword, page, index);
    const std::string name = htmlEscaped(demo.name);
    return {.updateTime = demo.updateTime,
            .size = demo.size,
            .name = name,
            .link = htmlEscaped(demo.magnet),
            .shownName = name};
}

PageRow namedRow(std::string name, std::string shownName) {
    PageRow row = siteRow(6, 0);
    row.name = std::move(name);
    row.shownName = std::move(shownName);
    return row;
}

PageRow linkedRow(std::string link, bool handedOver) {
    PageRow row = siteRow(7, 0);
    row.link = std::move(link);
    row.handedOver = handedOver;
    return row;
}

constexpr std::string_view pageHead =
    "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>搜索结果</title>\n</head>\n<body>\n<table class=\"data-list\">\n<tbody>\n";
constexpr std::string_view pageTail = "</tbody>\n</table>\n</body>\n</html>\n";

// Writes rows in the site's markup, which the row pattern spells out byte for
// byte: six lines, the middle ones indented by 12 spaces, then by 3 tabs.
class PageWriter {
public:
    explicit PageWriter(std::size_t reserve = 0) {
        page_.html.reserve(reserve);
        page_.html += pageHead;
    }

    void row(PageRow row) {
        const int index = static_cast<int>(page_.rows.size());
        const std::string detail = "/bt/" + std::to_string(1'000'000 + index) + ".htm";
        std::string& html = page_.html;
        html += index % 2 == 0 ? "<tr class=\"odd\">\n" : "<tr class=\"even\">\n";
        html += "            <td><a href=\"" + detail + "\" target=\"_blank\">" + row.updateTime +
                "</a></td>\n";
        html += "            <td>" + row.size + "</td>\n";
        html += "\t\t\t<td><a href=\"" + detail + "\" title=\"" + row.name + "\" target=\"_blank\">" +
                row.name + "</a></td>\n";
        html += "\t\t\t<td><a href=\"" + row.link + "\" title=\"" + row.name +
                "\" target=\"_blank\">磁力链接</a></td>\n";
        html += "\t\t\t</tr>\n";
        page_.rows.push_back(std::move(row));
    }

    void text(std::string_view text) { page_.html += text; }
    std::size_t size() const { return page_.html.size(); }

    HostilePage done() {
        page_.html += pageTail;
        return std::move(page_);
    }

private:
    HostilePage page_;
};

HostilePage siteRows(int page, int count) {
    PageWriter writer;
    for (int i = 0; i < count; ++i) writer.row(siteRow(page, i));
    return writer.done();
}

// One line of the given size made of `unit` repeated, without a line feed.
std::string repeatedLine(std::string_view unit, std::size_t bytes) {
    std::string line;
    line.reserve(bytes + unit.size());
    while (line.size() < bytes) line += unit;
    return line;
}

}  // namespace

const HostilePage& goodPage() {
    static const HostilePage page = siteRows(1, 20);
    return page;
}

const HostilePage& demoPage() {
    static const HostilePage page = siteRows(3, 20);
    return page;
}

const HostilePage& brokenUtf8Page() {
    static const HostilePage page = [] {
        PageWriter writer;
        writer.row(siteRow(8, 0));
        // Each maximal invalid subpart shows as one U+FFFD; the rest of the name stays.
        writer.row(namedRow("坏\xFF名.mkv", "坏" + fffd + "名.mkv"));
        writer.row(namedRow("截断\xE6\x97.mp4", "截断" + fffd + ".mp4"));
        writer.row(namedRow("代理\xED\xA0\x80对.avi", "代理" + fffd + fffd + fffd + "对.avi"));
        writer.row(namedRow("超界\xF4\x90\x80\x80.ts", "超界" + fffd + fffd + fffd + fffd + ".ts"));
        writer.row(namedRow("过长\xC0\xAF.iso", "过长" + fffd + fffd + ".iso"));
        writer.row(namedRow("表情\xF0\x9F\x98", "表情" + fffd));
        writer.row(siteRow(8, 1));
        return writer.done();
    }();
    return page;
}

const HostilePage& zeroBytePage() {
    static const HostilePage page = [] {
        PageWriter writer;
        for (int i = 0; i < 20; ++i) {
            PageRow row = siteRow(2, i);
            if (i == 10) row.name.insert(row.name.size() / 2, 1, '\0');
            // The page ends at the zero byte: that row and all after it are gone.
            row.listed = i < 10;
            writer.row(std::move(row));
        }
        return writer.done();
    }();
    return page;
}

const HostilePage& twentyThousandRowsPage() {
    static const HostilePage page = siteRows(4, 20'000);
    return page;
}

const HostilePage& sixtyMegabytePage() {
    static const HostilePage page = [] {
        constexpr std::size_t target = std::size_t{60} << 20;
        constexpr std::size_t roomForTail = 64 * 1024;  // the last 20 rows and the page's end
        PageWriter writer(target);
        for (int i = 0; i < 20; ++i) writer.row(siteRow(5, i));
        // Rows of another kind, as an advertising-heavy page has them: each starts
        // like a result row, so the pattern has to try and drop every one.
        constexpr std::string_view before = "<tr class=\"ad\"><td colspan=\"4\">推广内容 ";
        constexpr std::string_view after = "</td></tr>\n";
        char digits[16];
        for (unsigned n = 0; writer.size() < target - roomForTail; ++n) {
            const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
            writer.text(before);
            writer.text({digits, static_cast<std::size_t>(end - digits)});
            writer.text(after);
        }
        for (int i = 20; i < 40; ++i) writer.row(siteRow(5, i));
        writer.text(std::string(target - pageTail.size() - writer.size(), ' '));
        HostilePage built = writer.done();
        if (built.html.size() != target) throw std::logic_error("60 MiB page built wrong");
        return built;
    }();
    return page;
}

const HostilePage& fiveMegabyteLinePage() {
    static const HostilePage page = [] {
        PageWriter writer;
        // Every piece could start a row and has its '>', but the line feed the
        // row's first line needs never comes.
        writer.text(repeatedLine("<tr class=\"odd\"><td>", std::size_t{5} << 20));
        writer.text("\n");
        return writer.done();
    }();
    return page;
}

const HostilePage& unclosedRowTagsPage() {
    static const HostilePage page{repeatedLine("<tr class=", std::size_t{2} << 20), {}};
    return page;
}

const HostilePage& koreanAndEmojiPage() {
    static const HostilePage page = [] {
        PageWriter writer;
        for (const char* name : {"한국어 영화 😀🎬.mkv", "👨‍👩‍👧 가족 🇰🇷 1080p.mp4",
                                 "𠀀𝄞 音乐 ♫ ﾊﾝｶｸ.flac", "ㄱㄴㄷ 한글 🀄🈶.zip"}) {
            PageRow row = namedRow(name, name);
            row.link = "magnet:?xt=urn:btih:0123456789abcdef0123456789abcdef01234567&amp;dn=" +
                       std::string(name);
            writer.row(std::move(row));
        }
        return writer.done();
    }();
    return page;
}

const HostilePage& unsafeLinksPage() {
    static const HostilePage page = [] {
        PageWriter writer;
        writer.row(linkedRow("file:///etc/passwd", false));
        writer.row(linkedRow("FILE://localhost/etc/shadow", false));
        writer.row(linkedRow("/etc/passwd", false));
        writer.row(linkedRow("-oProxyCommand=touch /tmp/vantrel-hostile", false));
        writer.row(linkedRow("--help", false));
        writer.row(linkedRow(" file:///etc/passwd", false));
        writer.row(linkedRow("magnet:?xt=urn:btih:89abcdef0123456789abcdef0123456789abcdef&amp;dn=safe",
                             true));
        return writer.done();
    }();
    return page;
}
