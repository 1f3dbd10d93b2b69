// Fuzzes the integer conversion against a small model of its rules, written
// independently of it: leading spaces; then either an optional sign and decimal digits
// within the signed 32-bit range, or hexadecimal digits (no sign, up to 32 bits) after
// "$", "x", "X", "0x" or "0X". Anything else, trailing blanks included, is no number.
//
// Input: a first byte 0x00 takes the rest as UTF-16 code units (little-endian pairs),
// 0x01 as UTF-8; any other input is Latin-1 text as it stands, so the seeds are plain text.
#include "runtime/Exceptions.h"
#include "runtime/IntConvert.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

int digitValue(char16_t c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'a' && c <= u'z')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'Z')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

// The digits text[from..] in `base`, as long as there is at least one, every character
// is a digit, and the value does not exceed `limit`.
std::optional<uint64_t> digits(const std::u16string &text, std::size_t from, int base, uint64_t limit)
{
    if (from >= text.size())
        return std::nullopt;
    // Leading zeros do not count towards the length; past 10 significant digits even
    // hexadecimal exceeds every limit here, so the value never overflows 64 bits.
    std::size_t significant = 0;
    uint64_t value = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            return std::nullopt;
        if (value != 0 || d != 0)
            ++significant;
        if (significant > 10)
            return std::nullopt;
        value = value * uint64_t(base) + uint64_t(d);
    }
    if (value > limit)
        return std::nullopt;
    return value;
}

std::optional<int32_t> model(const std::u16string &text)
{
    std::size_t i = text.find_first_not_of(u' ');
    if (i == std::u16string::npos)
        return std::nullopt;
    const std::u16string rest = text.substr(i);
    std::size_t hexFrom = 0;
    if (rest.starts_with(u"0x") || rest.starts_with(u"0X"))
        hexFrom = 2;
    else if (rest[0] == u'$' || rest[0] == u'x' || rest[0] == u'X')
        hexFrom = 1;
    if (hexFrom) {
        const auto v = digits(rest, hexFrom, 16, 0xFFFFFFFFull);
        if (!v)
            return std::nullopt;
        return static_cast<int32_t>(static_cast<uint32_t>(*v));
    }
    const bool negative = rest[0] == u'-';
    const std::size_t from = (rest[0] == u'-' || rest[0] == u'+') ? 1 : 0;
    const auto v = digits(rest, from, 10, negative ? 2147483648ull : 2147483647ull);
    if (!v)
        return std::nullopt;
    const int64_t signedValue = negative ? -static_cast<int64_t>(*v) : static_cast<int64_t>(*v);
    return static_cast<int32_t>(signedValue);
}

QString decode(const uint8_t *data, std::size_t size)
{
    if (size > 0 && data[0] == 0x00) {
        QString s;
        for (std::size_t i = 1; i + 1 < size; i += 2)
            s.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
        return s;
    }
    if (size > 0 && data[0] == 0x01)
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    return QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
}

[[noreturn]] void mismatch(const QString &text, std::optional<int32_t> got, std::optional<int32_t> want)
{
    std::fprintf(stderr, "tryStrToInt(\"%s\") gave %s%lld, the model %s%lld\n", text.toUtf8().constData(),
                 got ? "" : "nothing ", got ? static_cast<long long>(*got) : 0LL, want ? "" : "nothing ",
                 want ? static_cast<long long>(*want) : 0LL);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size > 256)
        return -1; // longer texts add nothing the short ones do not cover
    const QString text = decode(data, size);
    const std::optional<int32_t> got = tryStrToInt(text);
    const std::optional<int32_t> want = model(text.toStdU16String());
    if (got != want)
        mismatch(text, got, want);

    // StrToInt agrees: the same value, or EConvertError exactly when there is none.
    try {
        const int32_t value = StrToInt(text);
        if (!got || value != *got)
            mismatch(text, value, got);
    } catch (const EConvertError &) {
        if (got)
            mismatch(text, std::nullopt, got);
    }

    // Every 32-bit value the input's first bytes spell reads back from its decimal text.
    if (size >= 4) {
        const auto v = static_cast<int32_t>(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16
                                            | uint32_t(data[3]) << 24);
        const QString decimal = QString::number(v);
        if (tryStrToInt(decimal) != v)
            mismatch(decimal, tryStrToInt(decimal), v);
        const QString hex = QStringLiteral("$") + QString::number(static_cast<uint32_t>(v), 16);
        if (tryStrToInt(hex) != v)
            mismatch(hex, tryStrToInt(hex), v);
    }
    return 0;
}
