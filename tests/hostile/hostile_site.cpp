#include "tests/hostile/hostile_site.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace {

constexpr std::size_t pieceBytes = 64 * 1024;
// A silent answer gives up on its own after this, should a test never release it.
constexpr std::chrono::seconds silenceCap{30};

// Sends bytes [offset, offset + length) of `body` in pieces; false when the
// client has gone.
bool sendRange(const std::string& body, std::size_t offset, std::size_t length, httplib::DataSink& sink) {
    const std::size_t count = std::min({length, pieceBytes, body.size() - offset});
    return sink.write(body.data() + offset, count);
}

}  // namespace

std::string gzipped(const std::string& bytes) {
    z_stream stream{};
    // 16 + 15: the gzip wrapper around a full-size window.
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 16 + 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) throw std::runtime_error("deflate");
    return out;
}

HostileSite::HostileSite(Answer answer, const HostilePage* page)
    : answer_(std::move(answer)), page_(page), wire_(page ? &page->html : nullptr) {
    if (page_ && answer_.gzip) {
        gzipBody_ = gzipped(page_->html);
        wire_ = &gzipBody_;
    }
}

HostileSite::~HostileSite() {
    release();
}

void HostileSite::release() {
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    releasedChanged_.notify_all();
}

void HostileSite::keepSilent() {
    std::unique_lock lock(mutex_);
    releasedChanged_.wait_for(lock, silenceCap, [this] { return released_; });
}

void HostileSite::addRoutes(httplib::Server& server) {
    const auto hostile = [this](const httplib::Request&, httplib::Response& response) {
        answer(response);
    };
    server.Get(R"(/s/[^/]+)", hostile);
    server.Get(R"(/s/[^/]+/2)", hostile);
    server.Get(R"(/s/[^/]+/1)", [](const httplib::Request&, httplib::Response& response) {
        const std::string& body = goodPage().html;
        response.set_content_provider(body.size(), "text/html; charset=utf-8",
                                      [&body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                          return sendRange(body, offset, length, sink);
                                      });
    });
    server.Get("/loop", [this](const httplib::Request&, httplib::Response& response) {
        ++loopHops_;
        response.set_redirect("/loop");
    });
}

void HostileSite::answer(httplib::Response& response) {
    if (answer_.delivery == Delivery::Silent) {
        keepSilent();
        return;
    }
    std::this_thread::sleep_for(answerPause);
    response.status = answer_.status;
    if (answer_.delivery == Delivery::Redirect) {
        response.set_redirect(answer_.location);
        return;
    }
    if (!wire_) throw std::logic_error("a hostile answer that sends a page needs one");
    if (answer_.gzip) response.set_header("Content-Encoding", "gzip");
    const std::string& body = *wire_;
    // A provider with a length: cpp-httplib sends these bytes as they are,
    // without compressing them on its own.
    switch (answer_.delivery) {
        case Delivery::Trickle: {
            const std::size_t piece = body.size() / tricklePieces + 1;
            response.set_content_provider(
                body.size(), "text/html; charset=utf-8",
                [&body, piece](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                    std::this_thread::sleep_for(tricklePause);
                    return sink.write(body.data() + offset, std::min(length, piece));
                });
            break;
        }
        case Delivery::CutShort: {
            const std::size_t sent = body.size() / 2;
            response.set_content_provider(
                body.size(), "text/html; charset=utf-8",
                [&body, sent](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                    // Declining the rest makes the server close the connection.
                    if (offset >= sent) return false;
                    return sendRange(body, offset, std::min(length, sent - offset), sink);
                });
            break;
        }
        default:
            response.set_content_provider(
                body.size(), "text/html; charset=utf-8",
                [&body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                    return sendRange(body, offset, length, sink);
                });
    }
}
