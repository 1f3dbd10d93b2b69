#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The runtime's integer conversion, used for every amount the game keeps as text.
// Accepted: leading spaces, then either an optional sign and decimal digits, or
// hexadecimal digits after "$", "x" or "0x" (no sign). Decimal values must lie in the
// 32-bit signed range; hexadecimal ones may use all 32 bits (so "$FFFFFFFF" is -1).
// Anything else fails, trailing blanks included.
std::optional<int32_t> tryStrToInt(QStringView text);

// As tryStrToInt, but a failure raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const QString &text);
