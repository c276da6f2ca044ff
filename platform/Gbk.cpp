#include "Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vx7::platform {
namespace {

// Runs iconv over the whole input. When lossy is false, any unconvertible input fails the call;
// when true, an invalid sequence is replaced and skipped one byte at a time.
std::optional<QByteArray> Convert(const char* to, const char* from, const QByteArray& in, bool lossy,
                                  const QByteArray& replacement = {}) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out;
    out.reserve(in.size() * 2 + 8);
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    char buffer[512];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
        if (r != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (!lossy) {
            ok = false;
            break;
        }
        // EILSEQ or EINVAL (truncated sequence at the end): skip one byte.
        out.append(replacement);
        ++inPtr;
        --inLeft;
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<QByteArray> ToGbk(const QString& text) {
    if (text.isEmpty())
        return QByteArray();
    // GB18030 would accept every character; GBK is the code page the records use.
    return Convert("GBK", "UTF-8", text.toUtf8(), false);
}

QString FromGbk(std::span<const char> bytes) {
    const auto nul = std::find(bytes.begin(), bytes.end(), '\0');
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(nul - bytes.begin()));
    if (raw.isEmpty())
        return QString();
    const auto utf8 = Convert("UTF-8", "GBK", raw, true, QByteArray("\xEF\xBF\xBD"));
    return utf8 ? QString::fromUtf8(*utf8) : QString();
}

QString FromGbk(const QByteArray& bytes) {
    return FromGbk(std::span<const char>(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QByteArray TruncateGbk(const QByteArray& gbk, std::size_t maxBytes) {
    if (static_cast<std::size_t>(gbk.size()) <= maxBytes)
        return gbk;
    // Walk character by character: a lead byte 0x81..0xFE starts a double-byte character.
    std::size_t pos = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(gbk.constData());
    const std::size_t n = static_cast<std::size_t>(gbk.size());
    while (pos < n) {
        const std::size_t len = (p[pos] >= 0x81 && p[pos] <= 0xFE && pos + 1 < n) ? 2 : 1;
        if (pos + len > maxBytes)
            break;
        pos += len;
    }
    return gbk.left(static_cast<qsizetype>(pos));
}

bool WriteGbkField(std::span<char> field, const QString& text, std::size_t maxChars) {
    if (field.empty())
        return false;
    maxChars = std::min(maxChars, field.size() - 1);
    const auto gbk = ToGbk(text);
    if (!gbk)
        return false;
    const QByteArray cut = TruncateGbk(*gbk, maxChars);
    std::memcpy(field.data(), cut.constData(), static_cast<size_t>(cut.size()));
    field[static_cast<size_t>(cut.size())] = '\0';
    return true;
}

QString ReadGbkField(std::span<const char> field) {
    return FromGbk(field);
}

} // namespace vx7::platform
