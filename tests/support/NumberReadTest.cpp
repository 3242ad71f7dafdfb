// The one rule for numbers people type, through both of its faces: the
// support library's string readers and the wizard's page fields.
#include "EditConvert.h"
#include "FieldNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const struct CDecimalCase {
    const char* szText;
    bool bNumber;
    double dValue;
} kaDecimals[] = {
    {"4.5", true, 4.5},
    {" \t+.5e1 knots", true, 5.0},
    {"-2e-2", true, -0.02},
    {"1e+", true, 1.0},
    {"0x1p4", true, 16.0},
    {"0x10", true, 16.0},
    {"-0X.8P1", true, -1.0},
    {"0x", true, 0.0},
    {"0xg", true, 0.0},
    {"0x1.fffffffffffffp1023", true, 1.7976931348623157e308},
    {"1e99999999999999999999", true, kInf},
    {"-1e999", true, -kInf},
    {"1000000000000000000000000e-99999999999999999999", true, 0.0},
    {"0.0001e-999", true, 0.0},
    {"0x1p-99999", true, 0.0},
    {"0xeP+-4000", true, 14.0},
    {"0x1p", true, 1.0},
    {"0x1p99999", true, kInf},
    {"INFINITY", true, kInf},
    {"4,5", true, 4.0},
    {"", false, 0.0},
    {".", false, 0.0},
    {"+-1", false, 0.0},
    {"- 1", false, 0.0},
    {"x10", false, 0.0},
};

TEST(NumberRead, DecimalsReadAlikeThroughTheLibraryAndThePageFields)
{
    for (const CDecimalCase& c : kaDecimals) {
        SCOPED_TRACE(c.szText);
        double dLibrary = -7.0;
        EXPECT_EQ(StringToDouble(QString::fromLatin1(c.szText), dLibrary), c.bNumber ? 1 : 0);
        EXPECT_EQ(dLibrary, c.bNumber ? c.dValue : -7.0);
        // The page fields take only finite decimals.
        double dField = -7.0;
        const bool bFinite = c.bNumber && std::isfinite(c.dValue);
        EXPECT_EQ(FieldNumbers::ScanDouble(c.szText, dField), bFinite);
        EXPECT_EQ(dField, bFinite ? c.dValue : -7.0);
    }
    double d = 0.0;
    EXPECT_TRUE(StringToDouble(QStringLiteral("nan"), d) == 1 && std::isnan(d));
    EXPECT_FALSE(FieldNumbers::ScanDouble("nan", d));
}

const struct CIntegerCase {
    const char* szText;
    bool bNumber;
    long long nValue;   // beyond int: the library gives the nearest int, the page fields nothing
} kaIntegers[] = {
    {" +7x", true, 7},
    {"\n-12abc", true, -12},
    {"0x10", true, 0},
    {"2147483647", true, 2147483647LL},
    {"-2147483648", true, -2147483648LL},
    {"2147483648", true, 2147483648LL},
    {"-99999999999", true, -99999999999LL},
    {"99999999999999999999999", true, std::numeric_limits<long long>::max()},
    {"", false, 0},
    {"+-1", false, 0},
    {"- 1", false, 0},
    {".5", false, 0},
};

TEST(NumberRead, IntegersReadAlikeThroughTheLibraryAndThePageFields)
{
    for (const CIntegerCase& c : kaIntegers) {
        SCOPED_TRACE(c.szText);
        const bool bFitsInt = c.nValue >= INT_MIN && c.nValue <= INT_MAX;
        const int nNearest = static_cast<int>(std::clamp<long long>(c.nValue, INT_MIN, INT_MAX));
        int nLibrary = -7;
        EXPECT_EQ(StringToInt(QString::fromLatin1(c.szText), nLibrary), c.bNumber ? 1 : 0);
        EXPECT_EQ(nLibrary, c.bNumber ? nNearest : -7);
        long lLibrary = -7;
        EXPECT_EQ(StringToLong(QString::fromLatin1(c.szText), lLibrary), c.bNumber ? 1 : 0);
        EXPECT_EQ(lLibrary, c.bNumber ? c.nValue : -7);
        int nField = -7;
        EXPECT_EQ(FieldNumbers::ScanInt(c.szText, nField), c.bNumber && bFitsInt);
        EXPECT_EQ(nField, c.bNumber && bFitsInt ? c.nValue : -7);
    }
}

// A "%u" field: a minus sign is out of range however large the magnitude,
// so it can never wrap round into the range.
TEST(NumberRead, AMinusSignInAnUnsignedFieldIsOutOfRange)
{
    for (const char* szText : {"-1", "-0", "-4294966696", "-4294967294", " -600"}) {
        int nValue = -7;
        EXPECT_FALSE(FieldNumbers::ScanUnsignedInRange(szText, 0, 32767, nValue)) << szText;
        EXPECT_EQ(nValue, -7);
    }
    int nValue = 0;
    EXPECT_TRUE(FieldNumbers::ScanUnsignedInRange(" +600s", 15, 32767, nValue));
    EXPECT_EQ(nValue, 600);
    EXPECT_FALSE(FieldNumbers::ScanUnsignedInRange("4294967896", 15, 32767, nValue));
}

// The comma-decimal run of these tests is one only if its locale took hold;
// the other runs have nothing to check here.
TEST(NumberRead, TheRunsLocaleIsInForce)
{
    if (!qgetenv("LC_ALL").startsWith("de_DE"))
        GTEST_SKIP() << "not the comma-decimal run";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

}  // namespace
