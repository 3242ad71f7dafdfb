#include "ManualLookup.h"
#include "SeamRecorder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Writes a catalogue into a folder of the test's own and looks it up, with
// the documents found, opened and the diagnostic lines recorded.
class ManualLookupTest : public ::testing::Test
{
protected:
    QString CataloguePath() const { return m_folder.filePath(QString::fromLatin1(ManualLookup::kCatalogueName)); }
    // A null catalogue leaves the file missing.
    void LookUp(const char* szCatalogue, int nModel, int nComm, int nRev)
    {
        if (szCatalogue) {
            ASSERT_TRUE(WriteTestFile(CataloguePath(), szCatalogue));
        }
        ManualLookup::FindManuals(CataloguePath(), nModel, nComm, nRev, m_astrFound);
    }

    QTemporaryDir m_folder;
    QStringList m_astrFound;
    CSeamRecorder m_seams;
};

#define ENTRY(szAttributes, szContent) "<Instrument " szAttributes ">" szContent "</Instrument>"
#define MATCHING(szContent) ENTRY("model='3' comm='1' rev='2'", szContent)

const struct CMatchCase {
    const char* szName;
    const char* szEntries;   // the root's content
    int nModel, nComm, nRev;
    QStringList astrOpened;
} kMatchCases[] = {
    {"Kelvo610NeedsMinusOnes",
     ENTRY("model='0' comm='0' rev='0'", "<Manual>no.pdf</Manual>") ENTRY("model='0' comm='-1' rev='-1'", "<Manual>k610.pdf</Manual>"),
     0, -1, -1, {"k610.pdf"}},
    {"FirstMatchWinsEvenWhenEmpty", MATCHING("<Manual>  </Manual>") MATCHING("<Manual>later.pdf</Manual>"), 3, 1, 2, {}},
    {"AttributeOrderIsFree", ENTRY("rev='2' model='3' comm='1'", "<Manual>a.pdf</Manual>"), 3, 1, 2, {"a.pdf"}},
    {"AttributeNamesAreCaseSensitive", ENTRY("Model='3' comm='1' rev='2'", "<Manual>a.pdf</Manual>"), 3, 1, 2, {}},
    {"MissingAttributeNeverMatches", ENTRY("model='0' comm='0'", "<Manual>a.pdf</Manual>"), 0, 0, 0, {}},
    {"EmptyValueNeverMatchesZero", ENTRY("model='' comm='0' rev='0'", "<Manual>a.pdf</Manual>"), 0, 0, 0, {}},
    {"ValuesReadLikeAtoi", ENTRY("model=' 3' comm='1abc' rev='+2'", "<Manual>a.pdf</Manual>"), 3, 1, 2, {"a.pdf"}},
    {"LettersReadAsZero", ENTRY("model='abc' comm=' ' rev='-x'", "<Manual>a.pdf</Manual>"), 0, 0, 0, {"a.pdf"}},
    {"TabAndNewlineReferencesAreLeadingSpace", ENTRY("model='&#9;&#10;4' comm='1' rev='2'", "<Manual>a.pdf</Manual>"), 4, 1, 2,
     {"a.pdf"}},
    {"NumberBeyondIntDoesNotWrapToZero", ENTRY("model='4294967296' comm='0' rev='0'", "<Manual>a.pdf</Manual>"), 0, 0, 0, {}},
    {"SmallestInt", ENTRY("model='-2147483648' comm='0' rev='0'", "<Manual>a.pdf</Manual>"), INT_MIN, 0, 0, {"a.pdf"}},
    {"LowerCaseInstrumentSkipped",
     "<instrument model='3' comm='1' rev='2'><Manual>lower.pdf</Manual></instrument>" MATCHING("<Manual>a.pdf</Manual>"), 3, 1,
     2, {"a.pdf"}},
    {"NestedInstrumentNeverFound", "<Group>" MATCHING("<Manual>a.pdf</Manual>") "</Group>", 3, 1, 2, {}},
    {"TextIsTrimmed", MATCHING("<Manual>\n\t  /opt/docs/manual one.pdf \r\n</Manual>"), 3, 1, 2, {"/opt/docs/manual one.pdf"}},
    {"EntitiesAreResolved", MATCHING("<Manual>a&amp;b.pdf</Manual>"), 3, 1, 2, {"a&b.pdf"}},
    {"CommentFirstGivesNothing", MATCHING("<Manual><!-- x -->a.pdf</Manual>"), 3, 1, 2, {}},
    {"CDataFirstGivesNothing", MATCHING("<Manual><![CDATA[a.pdf]]></Manual>"), 3, 1, 2, {}},
    {"ElementFirstGivesNothing", MATCHING("<Manual><b>a.pdf</b>c.pdf</Manual>"), 3, 1, 2, {}},
    {"TextBeforeCommentIsTheText", MATCHING("<Manual> a.pdf <!-- x -->b.pdf</Manual>"), 3, 1, 2, {"a.pdf"}},
    {"EveryManualInOrder",
     MATCHING("\n\t\t<!-- Kelvo 630 -->\n\t\t<Manual>a.pdf</Manual>\n\t\t<manual>x.pdf</manual>\n"
              "\t\t<Extra><Manual>deep.pdf</Manual></Extra>\n\t\t<Manual>https://example.org/b.pdf</Manual>\n\t"),
     3, 1, 2, {"a.pdf", "https://example.org/b.pdf"}},
    {"OverlongTextOpensNothing", MATCHING("<Manual>/%040000d</Manual><Manual>short.pdf</Manual>"), 3, 1, 2, {"short.pdf"}},
};

TEST_F(ManualLookupTest, OpensTheDocumentsOfTheFirstMatchingEntry)
{
    for (const CMatchCase& c : kMatchCases) {
        m_astrFound.clear();
        QByteArray entries(c.szEntries);
        entries.replace("/%040000d", QByteArray(40000, 'p'));
        LookUp("<?xml version='1.0'?>\n<Manuals>\n" + entries + "\n</Manuals>\n", c.nModel, c.nComm, c.nRev);
        EXPECT_EQ(m_astrFound, c.astrOpened) << c.szName;
    }
    EXPECT_EQ(m_seams.m_strDiagnostics, "");
}

// Broken and hostile catalogues: what each opens and its whole diagnostic
// output, with the file name where the case says %s. Hostile ones end
// quickly, with memory that does not grow with them.
TEST_F(ManualLookupTest, BrokenAndHostileCataloguesWriteTheirLine)
{
    const QByteArray found = MATCHING("<Manual>found.pdf</Manual>") "\n";
    const QString strSecret = m_folder.filePath(QStringLiteral("secret.txt"));
    ASSERT_TRUE(WriteTestFile(strSecret, "secret.pdf"));
    // Ten levels of ten-fold entities: a thousand million characters if expanded.
    QByteArray bomb = "<!DOCTYPE M [<!ENTITY e0 'lol'>\n";
    for (int i = 1; i <= 10; ++i)
        bomb += "<!ENTITY e" + QByteArray::number(i) + " '" + ("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "'>\n";
    const int nDepth = 100000;
    const struct {
        QByteArray catalogue;   // null: no file
        QStringList astrOpened;
        const char* szDiagnostic;
    } aCases[] = {
        {QByteArray(), {}, "Parse error in file:%s No such file or directoryError code 0x00000105, line 0, position 0.\r\n"},
        {"<M>" MATCHING("<Manual>a.pdf</Manual>") "\n<Instrument></Instrumen></M>", {},
         "Parse error in file:%s Opening and ending tag mismatch.Error code 0x00000003, line 2, position 24.\r\n"},
        {"", {}, "Parse error in file:%s Premature end of document.Error code 0x00000004, line 1, position 0.\r\n"},
        {"<M/>", {}, "Node has no children!\r\n"},
        {"<M>\n\t\n</M>", {}, "Node has no children!\r\n"},
        {"<M><!-- entries follow --></M>", {}, ""},
        {bomb + "]>\n<M>" + found + MATCHING("<Manual>&e10;</Manual>") "</M>", {},
         "Parse error in file:%s Entity expands to more characters than the entity expansion limit."
         "Error code 0x00000003, line 14, position 52.\r\n"},
        {"<!DOCTYPE M [<!ENTITY x SYSTEM '" + QFile::encodeName(strSecret) +
             "'>]>\n<M>" MATCHING("<Manual>&x;</Manual><Manual>b&x;</Manual>") "</M>",
         {"b"}, ""},
        {"<M>" + found + "<X>" + QByteArray("<d>").repeated(nDepth) + QByteArray("</d>").repeated(nDepth) + "</X></M>",
         {"found.pdf"}, ""},
        {"<M>" + found + "<X>" + QByteArray(17 * 1024 * 1024, 'a') + "</X></M>", {},
         "Parse error in file:%s A text or markup item is longer than 16777216 bytes."
         "Error code 0x00000002, line 2, position 16785326.\r\n"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.catalogue.left(60).toStdString());
        QFile::remove(CataloguePath());
        m_astrFound.clear();
        m_seams.m_strDiagnostics.clear();
        QElapsedTimer timer;
        timer.start();
        LookUp(c.catalogue.isNull() ? nullptr : c.catalogue.constData(), 3, 1, 2);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(m_astrFound, c.astrOpened);
        EXPECT_EQ(m_seams.m_strDiagnostics,
                  QString::fromLatin1(c.szDiagnostic).replace(QStringLiteral("%s"), CataloguePath()).toStdString());
    }
}

// Which catalogue texts reach the desktop, run in the test's folder, which
// holds the files below; a seventeenth manual is not even looked at.
TEST_F(ManualLookupTest, OnlyTheFirstSixteenAndOnlyManualsReachTheDesktop)
{
    const QString strOldFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    const struct {
        const char* szName;
        QFile::Permissions permissions;
    } aFiles[] = {
        {"manual.pdf", QFile::ReadOwner | QFile::WriteOwner},
        {"Kelvo manual rev B.pdf", QFile::ReadOwner},
        {"run.sh", QFile::ReadOwner | QFile::ExeOwner},
        {"viewer.desktop", QFile::ReadOwner},
        {"Viewer.DESKTOP", QFile::ReadOwner},
    };
    for (const auto& file : aFiles) {
        ASSERT_TRUE(WriteTestFile(QString::fromLatin1(file.szName), "%PDF"));
        ASSERT_TRUE(QFile::setPermissions(QString::fromLatin1(file.szName), file.permissions));
    }
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder.pdf")));
    const QString strAbsolute = m_folder.filePath(QStringLiteral("manual.pdf"));
    const QString strFileUrl = QUrl::fromLocalFile(strAbsolute).toString();

    const struct {
        QString strDocument;
        const char* szRefusal;   // null: opened
    } aCases[] = {
        {QStringLiteral("manual.pdf"), nullptr},
        {QStringLiteral("Kelvo manual rev B.pdf"), nullptr},
        {strAbsolute, nullptr},
        {strFileUrl, nullptr},
        {QStringLiteral("https://example.org/k700.pdf"), nullptr},
        {QStringLiteral("HTTP://example.org/k700.pdf"), nullptr},
        {QStringLiteral("missing.pdf"), "no such file"},
        {QStringLiteral("folder.pdf"), "not a regular file"},
        {QStringLiteral("/dev/null"), "not a regular file"},
        {QStringLiteral("run.sh"), "an executable file"},
        {QStringLiteral("viewer.desktop"), "a launcher"},
        {QStringLiteral("Viewer.DESKTOP"), "a launcher"},
        {QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("run.sh"))).toString(), "an executable file"},
        {QStringLiteral("smb://server/share/k700.pdf"), "not an http, https or file address"},
        {QStringLiteral("javascript:alert(1)"), "not an http, https or file address"},
        {QStringLiteral("moorplan-app:open"), "not an http, https or file address"},
    };
    static_assert(sizeof(aCases) / sizeof(aCases[0]) == 16, "a catalogue entry opens sixteen manuals at most");
    QByteArray catalogue = "<M><Instrument model='3' comm='1' rev='2'>";
    for (const auto& c : aCases)
        catalogue += "<Manual>" + c.strDocument.toHtmlEscaped().toUtf8() + "</Manual>";
    ASSERT_TRUE(WriteTestFile(CataloguePath(), catalogue + "<Manual>manual.pdf</Manual><Manual>x:y</Manual></Instrument></M>"));

    ManualLookup::OpenManuals(QString::fromLatin1(ManualLookup::kCatalogueName), 3, 1, 2);
    QDir::setCurrent(strOldFolder);

    QStringList astrOpened;
    std::string strDiagnostics;
    for (const auto& c : aCases) {
        if (c.szRefusal)
            strDiagnostics += "Manual not opened: " + c.strDocument.toStdString() + " (" + c.szRefusal + ")\r\n";
        else
            astrOpened.append(c.strDocument);
    }
    EXPECT_EQ(m_seams.m_astrOpened, astrOpened);
    EXPECT_EQ(m_seams.m_strDiagnostics, strDiagnostics);
    EXPECT_TRUE(m_seams.m_aRequests.empty());
}

}  // namespace
