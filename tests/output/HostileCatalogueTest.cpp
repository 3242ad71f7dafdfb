#include "CatalogueFixture.h"

#include <QElapsedTimer>

namespace {

const QByteArray kMatchingEntry = "<Instrument model='5' comm='0' rev='1'><Manual>found.pdf</Manual></Instrument>\n";

// Ten levels of ten-fold entities: a thousand million characters if expanded.
QByteArray EntityBomb()
{
    QByteArray doctype = "<!DOCTYPE M [\n<!ENTITY e0 'lol'>\n";
    for (int i = 1; i <= 10; ++i) {
        doctype += "<!ENTITY e" + QByteArray::number(i) + " '";
        for (int j = 0; j < 10; ++j)
            doctype += "&e" + QByteArray::number(i - 1) + ";";
        doctype += "'>\n";
    }
    return doctype + "]>\n<M>" + kMatchingEntry + "<Instrument model='5' comm='0' rev='1'><Manual>&e10;</Manual></Instrument></M>";
}

class HostileCatalogueTest : public CatalogueFixture
{
protected:
    // Looks up the entry of kMatchingEntry and returns the time it took.
    qint64 TimedLookUp(const QByteArray& catalogue)
    {
        QElapsedTimer timer;
        timer.start();
        LookUp(catalogue, 5, 0, 1);
        return timer.elapsed();
    }
};

TEST_F(HostileCatalogueTest, EntityExpansionIsRefused)
{
    EXPECT_LT(TimedLookUp(EntityBomb()), 2000);
    EXPECT_TRUE(m_seams.m_astrOpened.isEmpty());
    EXPECT_NE(m_seams.m_strDiagnostics.find("entity expansion limit"), std::string::npos) << m_seams.m_strDiagnostics;
}

TEST_F(HostileCatalogueTest, ExternalEntityIsNeverFetched)
{
    const QString strSecret = m_folder.filePath(QStringLiteral("secret.txt"));
    ASSERT_TRUE(WriteTestFile(strSecret, "secret.pdf"));
    TimedLookUp("<!DOCTYPE M [<!ENTITY x SYSTEM '" + QFile::encodeName(strSecret) + "'>]>\n<M>"
                "<Instrument model='5' comm='0' rev='1'><Manual>&x;</Manual><Manual>b&x;</Manual></Instrument></M>");
    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("b")});
}

TEST_F(HostileCatalogueTest, DeepNestingIsWalkedQuickly)
{
    const int nDepth = 100000;
    const QByteArray catalogue = "<M>" + kMatchingEntry + "<X>" + QByteArray("<d>").repeated(nDepth) +
                                 QByteArray("</d>").repeated(nDepth) + "</X></M>";
    EXPECT_LT(TimedLookUp(catalogue), 3000);
    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("found.pdf")});
}

TEST_F(HostileCatalogueTest, LargeCatalogueIsStreamedToItsLastEntry)
{
    QByteArray catalogue = "<M>\n";
    for (int i = 0; i < 15000; ++i)
        catalogue += "\t<Instrument model='" + QByteArray::number(i % 7) + "' comm='2' rev='" + QByteArray::number(i) +
                     "'>\n\t\t<!-- Kelvo 700 -->\n\t\t<Manual>manual" + QByteArray::number(i) + ".pdf</Manual>\n\t</Instrument>\n";
    catalogue += kMatchingEntry + "</M>\n";
    EXPECT_LT(TimedLookUp(catalogue), 5000);
    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("found.pdf")});
}

TEST_F(HostileCatalogueTest, EndlessTextIsRefusedBeforeItIsKept)
{
    const QByteArray catalogue = "<M>" + kMatchingEntry + "<X>" + QByteArray(17 * 1024 * 1024, 'a') + "</X></M>";
    TimedLookUp(catalogue);
    EXPECT_TRUE(m_seams.m_astrOpened.isEmpty());
    EXPECT_EQ(m_seams.m_strDiagnostics.rfind("Parse error in file:" + Name() +
                                              " A text or markup item is longer than 16777216 bytes.Error code 0x00000002, line 2, position ",
                                              0),
              0u)
        << m_seams.m_strDiagnostics;
}

TEST_F(HostileCatalogueTest, OverlongManualTextOpensNothing)
{
    TimedLookUp("<M><Instrument model='5' comm='0' rev='1'><Manual>" + QByteArray(40000, 'p') +
                "</Manual><Manual>short.pdf</Manual></Instrument></M>");
    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("short.pdf")});
}

}  // namespace
