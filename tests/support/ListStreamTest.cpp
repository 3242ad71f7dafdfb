#include "ListText.h"
#include "StreamUtil.h"

#include <QBuffer>
#include <QComboBox>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <sstream>
#include <vector>

namespace {

TEST(ListText, FindCharInStrCountsOccurrences)
{
    const QString strDate = QStringLiteral("12/05/2026");
    const int anExpected[] = {-1, -1, 2, 5, -1};   // n = -1 to 3
    for (int n = -1; n <= 3; ++n)
        EXPECT_EQ(FindCharInStr(strDate, '/', n), anExpected[n + 1]) << n;
    EXPECT_EQ(FindCharInStr(QStringLiteral("//"), '/', 2), 1);
}

// The buffer lives on the heap at exactly its length, so a read past its end
// is caught by the address sanitizer.
int Scan(const std::vector<unsigned char>& abBuffer, const char* szSought)
{
    const auto pCopy = std::make_unique<unsigned char[]>(abBuffer.size());
    std::memcpy(pCopy.get(), abBuffer.data(), abBuffer.size());
    return ScanBufForSZ(pCopy.get(), static_cast<int>(abBuffer.size()), szSought);
}

TEST(ListText, ScanBufForSZFindsTheStringUpToTheLastByte)
{
    const std::vector<unsigned char> abAtEnd = {0, 1, 2, 0, 4, 5, 6, 'a', 'b', 'c'};
    EXPECT_EQ(Scan(abAtEnd, "abc"), 1);
    EXPECT_EQ(Scan({0, 1, 2, 0, 4, 5, 'a', 'b', 'c', 0}, "abc"), 1);
    EXPECT_EQ(Scan(abAtEnd, "abd"), 0);
    EXPECT_EQ(Scan({'a', 'b'}, "abc"), 0);
    EXPECT_EQ(Scan({'x'}, ""), 1);
    EXPECT_EQ(ScanBufForSZ(nullptr, 0, ""), 0);
}

TEST(ListText, FillsAndSearchesLists)
{
    const QString astrItems[] = {QStringLiteral("AA Lithium"), QStringLiteral("D Alkaline"),
                                 QStringLiteral("aa lithium")};
    QComboBox combo;
    FillCombo(combo, astrItems, 2);
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(1), astrItems[1]);
    EXPECT_EQ(FindItem(QStringLiteral("aa lithium"), astrItems, 3), 2);
    EXPECT_EQ(FindItem(QStringLiteral("aa lithium"), astrItems, 2), -1);
    EXPECT_EQ(FindItem(QStringLiteral("AA Lithium"), astrItems, 0), -1);
}

TEST(StreamUtil, DdwWidens)
{
    const struct {
        double x;
        int nExtra, nWidth;
    } aCases[] = {{5, 0, 1},  {10, 0, 1},           {99, 0, 1},        {100, 0, 2},  {500, 3, 5},
                  {0, 0, 1}, {-50, 2, 3}, {std::nan(""), 0, 1}, {HUGE_VAL, 0, 1}, {1e300, 0, 300}};
    for (const auto& c : aCases)
        EXPECT_EQ(ddw(c.x, c.nExtra), c.nWidth) << c.x;
}

// SetFloat selects the notation and clears the other bits it names (here
// showpos); ins_space writes its count of blanks, none for a count below 1.
TEST(StreamUtil, SetFloatAndInsSpaceShapeTheOutput)
{
    std::ostringstream os;
    os << std::showpos << std::scientific;
    SetFloat(os, std::ios_base::fixed | std::ios_base::showpos, 3);
    os << 3.14159 << ins_space(3);
    SetFloat(os, 0, 4);
    os << 3.14159 << '[' << ins_space(0) << ins_space(-2) << ']';
    EXPECT_EQ(os.str(), "3.142   3.142[]");
}

TEST(StreamUtil, WritesKeyValueLines)
{
    QBuffer file;
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    WriteIntString(QStringLiteral("Count"), -5, file);
    WriteDoubleString(QStringLiteral("Depth"), 2.5, file);
    WriteString(QStringLiteral("Name"), QStringLiteral("Kelvo 610"), file);
    WriteULongString(QStringLiteral("Serial"), 4294967295UL, file);
    EXPECT_EQ(file.data(), QByteArray("Count=-5\nDepth=2.500000\nName=Kelvo 610\nSerial=4294967295\n"));
}

}  // namespace
