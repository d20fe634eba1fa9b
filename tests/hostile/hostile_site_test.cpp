// "数据采集" and "下一页" end to end (the real window on the offscreen platform,
// the real HTTP client) against a site that misbehaves on purpose, one table
// row per misbehaviour. Every case runs the same three steps: a collection that
// meets the hostile answer, a good next page, and a next page that meets the
// hostile answer again, so rows listed before a fault must survive it.
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "net/request_bounds.h"
#include "search/search_globals.h"
#include "tests/app/app_fixture.h"
#include "tests/hostile/hostile_pages.h"
#include "tests/hostile/hostile_site.h"
#include "tests/hostile/opener_recorder.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

// Lowered for the test, so that every failure comes within a second or two.
constexpr milliseconds connectBound = 300ms;
constexpr milliseconds stallBound = 500ms;
// libcurl runs the stall check about once a second while no byte moves.
constexpr milliseconds stallCheckInterval = 1000ms;
// Room for a loaded machine: sanitizer builds, tests run in parallel.
constexpr milliseconds slack = 2500ms;
constexpr milliseconds networkBound = answerPause + connectBound + stallBound + stallCheckInterval + slack;
constexpr milliseconds trickleTime = tricklePieces * tricklePause;
// Kept at the program's own value: the loop must end at the real bound.
const long redirectBound = RequestBounds{}.maxRedirects;

// When the probe looks at the window: inside answerPause, so always while the
// request still runs.
constexpr milliseconds probeAfter = 30ms;

struct Expectation {
    bool pageArrives;     // the page reaches the program, up to its first zero byte
    milliseconds within;  // each click that meets the hostile answer returns within this
    long loopHops = 0;    // redirects to "/loop" followed over both hostile clicks
};

Answer sent(Delivery delivery) {
    Answer answer;
    answer.delivery = delivery;
    return answer;
}

Answer redirectTo(std::string location) {
    Answer answer = sent(Delivery::Redirect);
    answer.location = std::move(location);
    return answer;
}

Answer withStatus(int status) {
    Answer answer = sent(Delivery::Whole);
    answer.status = status;
    return answer;
}

Answer gzipEncoded() {
    Answer answer = sent(Delivery::Whole);
    answer.gzip = true;
    return answer;
}

struct HostileCase {
    const char* name;
    Answer answer;                  // how the site answers the hostile addresses
    const HostilePage& (*page)();   // what it sends; null when it sends no page
    Expectation expect;
};

// A page that arrives must list exactly its rows (PageRow::listed); one that
// does not must leave the list as it was.
const HostileCase cases[] = {
    {"NeverAnswers", sent(Delivery::Silent), nullptr,
     {.pageArrives = false, .within = networkBound}},
    {"AnswersSlowly", sent(Delivery::Trickle), demoPage,
     {.pageArrives = true, .within = trickleTime + networkBound}},
    {"CutsTheBodyShort", sent(Delivery::CutShort), demoPage,
     {.pageArrives = false, .within = networkBound}},
    {"RedirectsInALoop", redirectTo("/loop"), nullptr,
     {.pageArrives = false, .within = networkBound, .loopHops = 2 * redirectBound}},
    {"RedirectsToALocalFile", redirectTo("file:///etc/passwd"), nullptr,
     {.pageArrives = false, .within = networkBound}},
    {"NotFoundWithAResultPage", withStatus(404), demoPage,
     {.pageArrives = true, .within = networkBound}},
    {"GzipEncodedPage", gzipEncoded(), demoPage,
     {.pageArrives = true, .within = networkBound}},
    {"InvalidUtf8InNames", sent(Delivery::Whole), brokenUtf8Page,
     {.pageArrives = true, .within = networkBound}},
    {"ZeroByteInThePage", sent(Delivery::Whole), zeroBytePage,
     {.pageArrives = true, .within = networkBound}},
    {"TwentyThousandRows", sent(Delivery::Whole), twentyThousandRowsPage,
     {.pageArrives = true, .within = networkBound + 15s}},
    {"SixtyMegabyteBody", sent(Delivery::Whole), sixtyMegabytePage,
     {.pageArrives = true, .within = networkBound + 20s}},
    {"FiveMegabyteSingleLine", sent(Delivery::Whole), fiveMegabyteLinePage,
     {.pageArrives = true, .within = networkBound}},
    {"UnclosedRowTags", sent(Delivery::Whole), unclosedRowTagsPage,
     {.pageArrives = true, .within = networkBound}},
    {"KoreanAndEmojiNames", sent(Delivery::Whole), koreanAndEmojiPage,
     {.pageArrives = true, .within = networkBound}},
    {"UnsafeLinks", sent(Delivery::Whole), unsafeLinksPage,
     {.pageArrives = true, .within = networkBound}},
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

bool waitCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Notes a paint of the window that comes after ask() while the wait cursor is
// up, that is while the command still waits for its request.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* window) : window_(window) { window_->installEventFilter(this); }
    ~PaintWatch() override {
        if (window_) window_->removeEventFilter(this);
    }

    void ask() {
        asked_ = true;
        window_->update();
    }
    bool paintedWhileWaiting() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && asked_ && waitCursorShown())
            painted_ = true;
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool asked_ = false;
    bool painted_ = false;
};

struct WatchedClick {
    milliseconds took{};
    bool busyCursorSeen = false;
    bool paintedWhileWaiting = false;
};

// Compares list rows [first, first + rows.size()) with the rows the site
// sent; stops at the first difference, so a broken 20,000-row page reports once.
testing::AssertionResult listHolds(const std::function<std::string(int, int)>& cell, int first,
                                   const std::vector<PageRow>& rows, bool collected) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = first + static_cast<int>(i);
        const PageRow& want = rows[i];
        const std::string wanted[6] = {collected ? want.updateTime : "", std::to_string(row + 1),
                                       want.updateTime, want.size, want.shownName, want.link};
        for (int column = 0; column < 6; ++column) {
            const std::string got = cell(row, column);
            if (got != wanted[column])
                return testing::AssertionFailure() << "row " << row << " column " << column << ": got \""
                                                   << got << "\", want \"" << wanted[column] << "\"";
        }
    }
    return testing::AssertionSuccess();
}

class HostileSiteTest : public AppFixture, public testing::WithParamInterface<HostileCase> {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        saved_ = requestBounds();
        RequestBounds lowered = saved_;
        lowered.connectTimeout = connectBound;
        lowered.stallTimeout = stallBound;
        setRequestBounds(lowered);
        // The recorder must catch a hand-off of any scheme, or "nothing was
        // handed over" would prove nothing.
        ASSERT_TRUE(QDesktopServices::openUrl(QUrl(QStringLiteral("file:///vantrel-hostile-probe"))));
        ASSERT_TRUE(QDesktopServices::openUrl(QUrl(QStringLiteral("/vantrel-hostile-probe"))));
        ASSERT_EQ(opener_.opened.size(), 2u);
        opener_.opened.clear();
    }

    void TearDown() override {
        // Silent answers hold server threads; the server waits for them when it stops.
        if (site_) site_->release();
        AppFixture::TearDown();
        site_.reset();
        setRequestBounds(saved_);
    }

    int rows() { return rowCount(window().超级列表框1); }

    std::function<std::string(int, int)> cellReader() {
        return [this](int row, int column) { return cell(row, column); };
    }

    WatchedClick clickWatched(QPushButton* button) {
        WatchedClick result;
        PaintWatch paints(&window());
        QTimer probe;
        probe.setSingleShot(true);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            result.busyCursorSeen = waitCursorShown();
            paints.ask();
        });
        probe.start(probeAfter);
        const auto start = std::chrono::steady_clock::now();
        click(button);
        result.took = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
        result.paintedWhileWaiting = paints.paintedWhileWaiting();
        return result;
    }

    void expectHeldUp(const WatchedClick& watched, const HostileCase& c, const char* step) {
        SCOPED_TRACE(step);
        RecordProperty(std::string(step) + "_ms", static_cast<int>(watched.took.count()));
        EXPECT_LE(watched.took.count(), c.expect.within.count()) << "ms for the click to return";
        EXPECT_TRUE(watched.busyCursorSeen) << "no wait cursor while the request ran";
        EXPECT_TRUE(watched.paintedWhileWaiting) << "the window did not repaint while the request ran";
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor outlived the command";
    }

    // What reached the program is the page up to its first zero byte, or
    // nothing when the transfer failed.
    void expectPageSource(const HostileCase& c, const HostilePage* page) {
        if (!c.expect.pageArrives) {
            EXPECT_TRUE(pageSource.empty()) << pageSource.size() << " bytes of a failed transfer kept";
            return;
        }
        const std::string& html = page->html;
        const std::size_t end = std::min(html.find('\0'), html.size());
        EXPECT_TRUE(pageSource.size() == end && std::equal(html.begin(), html.begin() + end, pageSource.begin()))
            << "received " << pageSource.size() << " bytes, sent " << end << " before any zero byte";
    }

    // "迅雷下载" on each given row: the browser box gets the link as listed, and
    // only a safe link goes on to the opener.
    void expectHandOffs(const std::vector<PageRow>& listed) {
        std::vector<std::size_t> tried;
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (listed.size() <= 64 || i == 0 || i + 1 == listed.size()) tried.push_back(i);
        }
        std::size_t handedOver = 0;
        for (std::size_t i : tried) {
            const PageRow& row = listed[i];
            SCOPED_TRACE("hand-off of row " + std::to_string(i) + ": " + row.link);
            window().超级列表框1->selectRow(static_cast<int>(i));
            const std::size_t openedBefore = opener_.opened.size();
            window().迅雷下载->trigger();
            const std::vector<Navigation> seen = navigations();
            ASSERT_FALSE(seen.empty());
            EXPECT_EQ(seen.back().address, row.link);
            EXPECT_EQ(seen.back().handOffAllowed, row.handedOver);
            if (row.handedOver) {
                ++handedOver;
                ASSERT_EQ(opener_.opened.size(), openedBefore + 1);
                EXPECT_EQ(opener_.opened.back(), QUrl(QString::fromStdString(row.link)));
            } else {
                EXPECT_EQ(opener_.opened.size(), openedBefore) << "an unsafe link was handed over";
            }
        }
        EXPECT_EQ(navigations().size(), tried.size());
        EXPECT_EQ(opener_.opened.size(), handedOver);
        for (const QUrl& url : opener_.opened) EXPECT_EQ(url.scheme(), QStringLiteral("magnet"));
    }

    std::unique_ptr<HostileSite> site_;
    OpenerRecorder opener_;

private:
    RequestBounds saved_;
};

TEST_P(HostileSiteTest, CollectAndNextPageHoldUp) {
    const HostileCase& c = GetParam();
    const HostilePage* page = c.page ? &c.page() : nullptr;
    site_ = std::make_unique<HostileSite>(c.answer, page);
    serve([this](httplib::Server& server) { site_->addRoutes(server); });

    std::vector<PageRow> listed;
    if (page && c.expect.pageArrives)
        std::copy_if(page->rows.begin(), page->rows.end(), std::back_inserter(listed),
                     [](const PageRow& row) { return row.listed; });
    const int hostileRows = static_cast<int>(listed.size());
    const std::vector<PageRow>& good = goodPage().rows;
    const int goodRows = static_cast<int>(good.size());

    expectHeldUp(clickWatched(window().采集按钮), c, "collect");
    ASSERT_EQ(rows(), hostileRows);
    EXPECT_TRUE(listHolds(cellReader(), 0, listed, true));
    EXPECT_EQ(pageBox(), "1");
    expectPageSource(c, page);

    click(window().下一页按钮);
    ASSERT_EQ(rows(), hostileRows + goodRows);
    EXPECT_TRUE(listHolds(cellReader(), hostileRows, good, false));

    expectHeldUp(clickWatched(window().下一页按钮), c, "next_page");
    ASSERT_EQ(rows(), 2 * hostileRows + goodRows);
    EXPECT_TRUE(listHolds(cellReader(), 0, listed, true)) << "rows before the hostile next page";
    EXPECT_TRUE(listHolds(cellReader(), hostileRows, good, false)) << "rows before the hostile next page";
    EXPECT_TRUE(listHolds(cellReader(), hostileRows + goodRows, listed, false));
    EXPECT_EQ(pageBox(), "2");
    expectPageSource(c, page);

    // Each hostile address was asked once per click: a failure is not retried.
    const std::vector<std::string> paths = requestedPaths();
    const std::string first = "/s/%E8%80%81%E7%82%AE%E5%84%BF";
    EXPECT_EQ(std::count(paths.begin(), paths.end(), first), 1);
    EXPECT_EQ(std::count(paths.begin(), paths.end(), first + "/2"), 1);
    EXPECT_EQ(site_->loopHops(), c.expect.loopHops);

    expectHandOffs(listed);
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileSiteTest, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

}  // namespace
