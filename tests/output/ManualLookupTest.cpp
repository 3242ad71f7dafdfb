#include "CatalogueFixture.h"

#include <QDir>

namespace {

struct CMatchCase {
    const char* szName;
    const char* szEntries;   // the root's content
    int nModel, nComm, nRev;
    QStringList astrOpened;
};

QByteArray Catalogue(const char* szEntries)
{
    return QByteArray("<?xml version='1.0'?>\n<Manuals>\n") + szEntries + "\n</Manuals>\n";
}

const CMatchCase kMatchCases[] = {
    {"PlainEntry", "<Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>", 3, 1, 2, {"a.pdf"}},
    {"Kelvo610NeedsMinusOnes",
     "<Instrument model='0' comm='0' rev='0'><Manual>no.pdf</Manual></Instrument>"
     "<Instrument model='0' comm='-1' rev='-1'><Manual>k610.pdf</Manual></Instrument>",
     0, -1, -1, {"k610.pdf"}},
    {"FirstMatchWinsEvenWhenEmpty",
     "<Instrument model='3' comm='1' rev='2'><Manual>  </Manual></Instrument>"
     "<Instrument model='3' comm='1' rev='2'><Manual>later.pdf</Manual></Instrument>",
     3, 1, 2, {}},
    {"AttributeOrderIsFree", "<Instrument rev='2' model='3' comm='1'><Manual>a.pdf</Manual></Instrument>", 3, 1, 2, {"a.pdf"}},
    {"AttributeNamesAreCaseSensitive", "<Instrument Model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>", 3, 1, 2, {}},
    {"MissingAttributeNeverMatches", "<Instrument model='0' comm='0'><Manual>a.pdf</Manual></Instrument>", 0, 0, 0, {}},
    {"EmptyValueNeverMatchesZero", "<Instrument model='' comm='0' rev='0'><Manual>a.pdf</Manual></Instrument>", 0, 0, 0, {}},
    {"ValuesReadLikeAtoi", "<Instrument model=' 3' comm='1abc' rev='+2'><Manual>a.pdf</Manual></Instrument>", 3, 1, 2, {"a.pdf"}},
    {"LettersReadAsZero", "<Instrument model='abc' comm=' ' rev='-x'><Manual>a.pdf</Manual></Instrument>", 0, 0, 0, {"a.pdf"}},
    {"TabAndNewlineReferencesAreLeadingSpace", "<Instrument model='&#9;&#10;4' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>", 4, 1, 2, {"a.pdf"}},
    {"NumberBeyondIntDoesNotWrapToZero", "<Instrument model='4294967296' comm='0' rev='0'><Manual>a.pdf</Manual></Instrument>", 0, 0, 0, {}},
    {"SmallestInt", "<Instrument model='-2147483648' comm='0' rev='0'><Manual>a.pdf</Manual></Instrument>", INT_MIN, 0, 0, {"a.pdf"}},
    {"LowerCaseInstrumentSkipped",
     "<instrument model='3' comm='1' rev='2'><Manual>lower.pdf</Manual></instrument>"
     "<Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>",
     3, 1, 2, {"a.pdf"}},
    {"NestedInstrumentNeverFound", "<Group><Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument></Group>", 3, 1, 2, {}},
    {"PrefixedNameIsAnotherName",
     "<k:Instrument xmlns:k='urn:k' model='3' comm='1' rev='2'><Manual>a.pdf</Manual></k:Instrument>", 3, 1, 2, {}},
    {"TextIsTrimmed", "<Instrument model='3' comm='1' rev='2'><Manual>\n\t  /opt/docs/manual one.pdf \r\n</Manual></Instrument>", 3, 1, 2,
     {"/opt/docs/manual one.pdf"}},
    {"EntitiesAreResolved", "<Instrument model='3' comm='1' rev='2'><Manual>a&amp;b.pdf</Manual></Instrument>", 3, 1, 2, {"a&b.pdf"}},
    {"CommentFirstGivesNothing", "<Instrument model='3' comm='1' rev='2'><Manual><!-- x -->a.pdf</Manual></Instrument>", 3, 1, 2, {}},
    {"CDataFirstGivesNothing", "<Instrument model='3' comm='1' rev='2'><Manual><![CDATA[a.pdf]]></Manual></Instrument>", 3, 1, 2, {}},
    {"ElementFirstGivesNothing", "<Instrument model='3' comm='1' rev='2'><Manual><b>a.pdf</b>c.pdf</Manual></Instrument>", 3, 1, 2, {}},
    {"TextBeforeCommentIsTheText", "<Instrument model='3' comm='1' rev='2'><Manual> a.pdf <!-- x -->b.pdf</Manual></Instrument>", 3, 1, 2, {"a.pdf"}},
    {"EveryManualInOrder",
     "<Instrument model='3' comm='1' rev='2'>\n\t\t<!-- Kelvo 630 -->\n\t\t<Manual>a.pdf</Manual>\n\t\t<manual>x.pdf</manual>\n"
     "\t\t<Extra><Manual>deep.pdf</Manual></Extra>\n\t\t<Manual>https://example.org/b.pdf</Manual>\n\t</Instrument>",
     3, 1, 2, {"a.pdf", "https://example.org/b.pdf"}},
    {"OtherIndicesOpenNothing", "<Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>", 3, 1, 1, {}},
};

void PrintTo(const CMatchCase& test, std::ostream* pStream) { *pStream << test.szName; }

class ManualMatchTest : public CatalogueFixture, public ::testing::WithParamInterface<CMatchCase>
{
};

TEST_P(ManualMatchTest, OpensTheDocumentsOfTheFirstMatchingEntry)
{
    const CMatchCase& test = GetParam();
    LookUp(Catalogue(test.szEntries), test.nModel, test.nComm, test.nRev);
    EXPECT_EQ(m_seams.m_astrOpened, test.astrOpened);
    EXPECT_EQ(m_seams.m_strDiagnostics, "");
}

INSTANTIATE_TEST_SUITE_P(Catalogues, ManualMatchTest, ::testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.szName); });

// The diagnostic line that a catalogue gives, with the file name put in
// where the case says %s.
struct CFailureCase {
    const char* szName;
    const char* szCatalogue;
    const char* szDiagnostic;
};

const CFailureCase kFailureCases[] = {
    {"BrokenAfterTheMatch",
     "<M><Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>\n<Instrument></Instrumen></M>",
     "Parse error in file:%s Opening and ending tag mismatch.Error code 0x00000003, line 2, position 24.\r\n"},
    {"EndsTooEarly", "<M><Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument>\n",
     "Parse error in file:%s Premature end of document.Error code 0x00000004, line 2, position 0.\r\n"},
    {"ContentAfterTheRoot", "<M><Instrument model='3' comm='1' rev='2'><Manual>a.pdf</Manual></Instrument></M><M/>",
     "Parse error in file:%s Extra content at end of document.Error code 0x00000003, line 1, position 85.\r\n"},
    {"EmptyFile", "", "GetDocumentElement failed when parsing %s.\r\n"},
    {"PrologOnly", "<?xml version='1.0'?>\n<!-- no entries -->\n", "GetDocumentElement failed when parsing %s.\r\n"},
    {"EmptyRoot", "<M/>", "Node has no children!\r\n"},
    {"RootWithWhiteSpaceOnly", "<M>\n\t\n</M>", "Node has no children!\r\n"},
    {"RootWithCommentOnly", "<M><!-- entries follow --></M>", ""},
};

void PrintTo(const CFailureCase& test, std::ostream* pStream) { *pStream << test.szName; }

class ManualFailureTest : public CatalogueFixture, public ::testing::WithParamInterface<CFailureCase>
{
};

TEST_P(ManualFailureTest, OpensNothingAndWritesItsLine)
{
    const CFailureCase& test = GetParam();
    LookUp(test.szCatalogue, 3, 1, 2);
    EXPECT_TRUE(m_seams.m_astrOpened.isEmpty());
    QString strExpected = QString::fromLatin1(test.szDiagnostic);
    strExpected.replace(QStringLiteral("%s"), CataloguePath());
    EXPECT_EQ(m_seams.m_strDiagnostics, strExpected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Catalogues, ManualFailureTest, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST_F(CatalogueFixture, MissingCatalogueWritesTheParseErrorLine)
{
    ManualLookup::OpenManuals(CataloguePath(), 3, 1, 2);
    EXPECT_TRUE(m_seams.m_astrOpened.isEmpty());
    EXPECT_EQ(m_seams.m_strDiagnostics,
              "Parse error in file:" + Name() + " No such file or directoryError code 0x00000105, line 0, position 0.\r\n");
}

TEST_F(CatalogueFixture, ManyManualsOpenOnlyTheFirstSixteen)
{
    QByteArray entry = "<Instrument model='3' comm='1' rev='2'>";
    for (int i = 0; i < 1000; ++i)
        entry += "<Manual>doc" + QByteArray::number(i) + ".pdf</Manual>";
    LookUp(Catalogue(entry + "</Instrument>"), 3, 1, 2);
    ASSERT_EQ(m_seams.m_astrOpened.size(), 16);
    EXPECT_EQ(m_seams.m_astrOpened.first(), QStringLiteral("doc0.pdf"));
    EXPECT_EQ(m_seams.m_astrOpened.last(), QStringLiteral("doc15.pdf"));
}

TEST_F(CatalogueFixture, BareNameIsReadFromTheCurrentFolder)
{
    ASSERT_TRUE(WriteTestFile(CataloguePath(), Catalogue("<Instrument model='1' comm='2' rev='0'><Manual>m.pdf</Manual></Instrument>")));
    const QString strOldFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    ManualLookup::OpenManuals(QString::fromLatin1(ManualLookup::kCatalogueName), 1, 2, 0);
    QDir::setCurrent(strOldFolder);
    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("m.pdf")});
}

}  // namespace
