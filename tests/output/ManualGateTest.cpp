#include "ManualLookup.h"
#include "SeamRecorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Which catalogue texts reach the desktop: run in a folder of the test's own,
// which holds the files below.
TEST(ManualGate, OnlyManualsReachTheDesktop)
{
    QTemporaryDir folder;
    const QString strOldFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
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
    const QString strAbsolute = folder.filePath(QStringLiteral("manual.pdf"));
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
        {QUrl::fromLocalFile(folder.filePath(QStringLiteral("run.sh"))).toString(), "an executable file"},
        {QStringLiteral("smb://server/share/k700.pdf"), "not an http, https or file address"},
        {QStringLiteral("javascript:alert(1)"), "not an http, https or file address"},
        {QStringLiteral("moorplan-app:open"), "not an http, https or file address"},
    };
    static_assert(sizeof(aCases) / sizeof(aCases[0]) <= 16, "a catalogue entry opens sixteen manuals at most");
    QByteArray catalogue = "<M><Instrument model='3' comm='1' rev='2'>";
    for (const auto& c : aCases)
        catalogue += "<Manual>" + c.strDocument.toHtmlEscaped().toUtf8() + "</Manual>";
    ASSERT_TRUE(WriteTestFile(QString::fromLatin1(ManualLookup::kCatalogueName), catalogue + "</Instrument></M>"));

    CSeamRecorder seams;
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
    EXPECT_EQ(seams.m_astrOpened, astrOpened);
    EXPECT_EQ(seams.m_strDiagnostics, strDiagnostics);
    EXPECT_TRUE(seams.m_aRequests.empty());
}

}  // namespace
