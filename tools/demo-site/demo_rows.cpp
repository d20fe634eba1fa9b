#include "tools/demo-site/demo_rows.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// FNV-1a: a fixed hash, unlike std::hash, so rows stay the same everywhere.
std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// splitmix64: a small generator whose whole state is one number.
std::uint64_t nextRandom(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int pick(std::uint64_t& state, int from, int to)
{
    return from + static_cast<int>(nextRandom(state) % static_cast<std::uint64_t>(to - from + 1));
}

std::string format(const char* pattern, auto... values)
{
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), pattern, values...);
    return buffer.data();
}

std::string percentEncoded(std::string_view bytes)
{
    std::string out;
    for (unsigned char byte : bytes) {
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                           byte == '_' || byte == '~';
        out += plain ? std::string(1, static_cast<char>(byte)) : format("%%%02X", byte);
    }
    return out;
}

std::string fileName(std::string_view keyword, std::uint64_t& state, int episode)
{
    const std::string k(keyword);
    const int year = pick(state, 2008, 2024);
    switch (pick(state, 0, 4)) {
    case 0: return k + ".第" + std::to_string(episode) + "集.HD1080P.国语中字.mp4";
    case 1: return k + "." + std::to_string(year) + ".BD720P.中英双字.mkv";
    case 2: return "[" + k + "].蓝光原盘." + std::to_string(year) + ".iso";
    case 3: return k + " 高清完整版 第" + std::to_string(episode) + "部.rmvb";
    default: return "【" + k + "】导演剪辑版.HDTV.1080i.ts";
    }
}

std::string fileSize(std::uint64_t& state)
{
    if (pick(state, 0, 2) == 0)
        return format("%d.%d MB", pick(state, 100, 999), pick(state, 0, 9));
    return format("%d.%02d GB", pick(state, 1, 45), pick(state, 0, 99));
}

std::string updateTime(std::uint64_t& state)
{
    return format("%04d-%02d-%02d %02d:%02d:%02d", pick(state, 2010, 2024), pick(state, 1, 12),
                  pick(state, 1, 28), pick(state, 0, 23), pick(state, 0, 59), pick(state, 0, 59));
}

std::string infoHash(std::uint64_t& state)
{
    std::string hex;
    while (hex.size() < 40)
        hex += format("%016llx", static_cast<unsigned long long>(nextRandom(state)));
    hex.resize(40);
    return hex;
}

}  // namespace

DemoRow demoRow(std::string_view keywordUtf8, int page, int index)
{
    std::uint64_t state = fnv1a(keywordUtf8) ^ (static_cast<std::uint64_t>(page) << 32) ^
                          static_cast<std::uint64_t>(index);
    DemoRow row;
    row.detailId = std::to_string(pick(state, 1'000'000, 9'999'999));
    row.updateTime = updateTime(state);
    row.size = fileSize(state);
    row.name = fileName(keywordUtf8, state, index + 1);
    row.magnet = "magnet:?xt=urn:btih:" + infoHash(state) + "&dn=" + percentEncoded(row.name);
    return row;
}
