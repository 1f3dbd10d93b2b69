#include "runtime/Exceptions.h"
#include "runtime/IntConvert.h"

#include <gtest/gtest.h>

TEST(IntConvert, AcceptsDecimalWithLeadingBlanksAndSign)
{
    EXPECT_EQ(tryStrToInt(u"1000"), 1000);
    EXPECT_EQ(tryStrToInt(u"   42"), 42);
    EXPECT_EQ(tryStrToInt(u"-5"), -5);
    EXPECT_EQ(tryStrToInt(u"+7"), 7);
    EXPECT_EQ(tryStrToInt(u"  -007"), -7);
    EXPECT_EQ(tryStrToInt(u"0"), 0);
}

TEST(IntConvert, AcceptsHexadecimalAfterDollarXOrZeroXWithoutSign)
{
    EXPECT_EQ(tryStrToInt(u"$10"), 16);
    EXPECT_EQ(tryStrToInt(u"x1F"), 31);
    EXPECT_EQ(tryStrToInt(u"X1f"), 31);
    EXPECT_EQ(tryStrToInt(u"0x10"), 16);
    EXPECT_EQ(tryStrToInt(u" 0XfF"), 255);
    EXPECT_EQ(tryStrToInt(u"$7FFFFFFF"), 2147483647);
    // All 32 bits may be used: the value is the bit pattern's signed meaning.
    EXPECT_EQ(tryStrToInt(u"$FFFFFFFF"), -1);
    EXPECT_EQ(tryStrToInt(u"$80000000"), -2147483647 - 1);
}

TEST(IntConvert, KeepsToThe32BitRange)
{
    EXPECT_EQ(tryStrToInt(u"2147483647"), 2147483647);
    EXPECT_EQ(tryStrToInt(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(tryStrToInt(u"2147483648"), std::nullopt);
    EXPECT_EQ(tryStrToInt(u"-2147483649"), std::nullopt);
    EXPECT_EQ(tryStrToInt(u"99999999999999999999"), std::nullopt);
    EXPECT_EQ(tryStrToInt(u"$100000000"), std::nullopt);
    EXPECT_EQ(tryStrToInt(u"0000000000000000000012"), 12);
}

TEST(IntConvert, RejectsEverythingElse)
{
    for (const char16_t *text : { u"", u"   ", u"-", u"+", u"$", u"x", u"0x", u"-$10", u"+0x1", u"12 ", u"1 2",
                                  u"- 5", u"1.5", u"1,5", u"abc", u"12a", u"$1G", u"\t5", u"５", u"0x-1" })
        EXPECT_EQ(tryStrToInt(text), std::nullopt) << QString::fromUtf16(text).toStdString();
}

TEST(IntConvert, StrToIntRaisesConvertErrorNamingTheText)
{
    EXPECT_EQ(StrToInt(QStringLiteral("950")), 950);
    try {
        StrToInt(QStringLiteral("abc"));
        FAIL() << "no failure raised";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'abc' is not a valid integer value"));
        EXPECT_STREQ(e.className(), "EConvertError");
    }
}
