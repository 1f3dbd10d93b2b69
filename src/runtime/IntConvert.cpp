#include "runtime/IntConvert.h"

#include "runtime/Exceptions.h"

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isDecimalDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

std::optional<int32_t> tryStrToInt(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i == n)
        return std::nullopt;

    // Hexadecimal: "$", "x", "X", "0x" or "0X" followed by at least one hex digit.
    qsizetype hexStart = -1;
    if (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')
        hexStart = i + 1;
    else if (text[i] == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X'))
        hexStart = i + 2;
    if (hexStart >= 0) {
        if (hexStart == n)
            return std::nullopt;
        uint64_t value = 0;
        for (qsizetype k = hexStart; k < n; ++k) {
            const int d = hexDigit(text[k]);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + uint64_t(d);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return int32_t(uint32_t(value));
    }

    bool negative = false;
    if (text[i] == u'+' || text[i] == u'-') {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    const uint64_t limit = negative ? 2147483648u : 2147483647u;
    uint64_t value = 0;
    for (; i < n; ++i) {
        if (!isDecimalDigit(text[i]))
            return std::nullopt;
        value = value * 10 + uint64_t(text[i].unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return negative ? int32_t(-int64_t(value)) : int32_t(value);
}

int32_t StrToInt(const QString &text)
{
    if (const auto value = tryStrToInt(text))
        return *value;
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
