#include "ManualLookup.h"

#include "BoundedReadDevice.h"
#include "CatalogueScan.h"
#include "Diagnostics.h"
#include "PlatformSeams.h"
#include "StrFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>
#include <climits>

namespace ManualLookup {
namespace {

// A single text, comment or attribute value longer than this ends the read as
// an error: the stream reader would otherwise keep all of it in memory.
constexpr qint64 kMaxTokenBytes = 16 * 1024 * 1024;

// Error codes of the parse-error line: the stream reader's own error number
// for a document that is not well-formed (2 too long an item, 3 not
// well-formed, 4 ended too early), 0x100 plus the file error for a catalogue
// that cannot be opened or read (0x105 missing or unreadable).
constexpr unsigned kFileErrorBase = 0x100;

int ClampToInt(qint64 nValue)
{
    return static_cast<int>(std::min<qint64>(nValue, INT_MAX));
}

void WriteParseError(const QString& strCatalogue, const QString& strReason, unsigned nCode,
                     qint64 nLine, qint64 nPosition)
{
    std::string strLine = "Parse error in file:" + strCatalogue.toStdString() + " " + strReason.toStdString();
    while (!strLine.empty() && std::isspace(static_cast<unsigned char>(strLine.back())))
        strLine.pop_back();
    strLine += StrFormat("Error code 0x%08X, line %d, position %d.", nCode, ClampToInt(nLine),
                         ClampToInt(nPosition));
    Diagnostics::Write(strLine + "\r\n");
}

void WriteFileError(const QString& strCatalogue, const QFile& file)
{
    WriteParseError(strCatalogue, file.errorString(), kFileErrorBase + file.error(), 0, 0);
}

// The whole document, token by token, to its end or to the first error.
void ReadToEnd(QXmlStreamReader& reader, CBoundedReadDevice& device, CCatalogueScan& scan)
{
    for (;;) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument)
            return;
        device.TokenSeen();
        scan.Take(reader);
    }
}

// Why the desktop must not be handed a catalogue's document, or an empty
// text when it may: the catalogue may have come from anywhere, and the
// desktop would run a program, a launcher or a URL of another scheme. A
// manual is an http or https address, or an existing regular file (a path,
// or a file: URL) that is neither executable nor a launcher.
QString WhyNotAManual(const QString& strDocument)
{
    // A scheme has two characters at least: "C:\..." is a drive, not a scheme.
    static const QRegularExpression reScheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch scheme = reScheme.match(strDocument);
    QString strPath = strDocument;
    if (scheme.hasMatch()) {
        const QString strScheme = scheme.captured(1).toLower();
        if (strScheme == QLatin1String("http") || strScheme == QLatin1String("https"))
            return QString();
        if (strScheme != QLatin1String("file"))
            return QStringLiteral("not an http, https or file address");
        strPath = QUrl(strDocument).toLocalFile();
    }
    const QFileInfo info(strPath);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.isExecutable())
        return QStringLiteral("an executable file");
    if (info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("a launcher");
    return QString();
}

}  // namespace

bool FindManuals(const QString& strCatalogue, int nModel, int nComm, int nRev, QStringList& astrDocuments)
{
    astrDocuments.clear();
    QFile file(strCatalogue);
    if (!file.open(QIODevice::ReadOnly)) {
        WriteFileError(strCatalogue, file);
        return false;
    }
    CBoundedReadDevice device(file, kMaxTokenBytes);
    QXmlStreamReader reader(&device);
    CCatalogueScan scan(nModel, nComm, nRev);
    ReadToEnd(reader, device, scan);

    if (device.BoundExceeded()) {
        WriteParseError(strCatalogue, QStringLiteral("A text or markup item is longer than %1 bytes.").arg(kMaxTokenBytes),
                        QXmlStreamReader::CustomError, reader.lineNumber(), reader.columnNumber());
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        WriteFileError(strCatalogue, file);
        return false;
    }
    // A file without a root element (empty, or a prolog alone) is not a
    // well-formed document either: the reader ends it early.
    if (reader.hasError()) {
        WriteParseError(strCatalogue, reader.errorString(), reader.error(), reader.lineNumber(), reader.columnNumber());
        return false;
    }
    if (!scan.RootHasChildren()) {
        Diagnostics::Write("Node has no children!\r\n");
        return false;
    }
    astrDocuments = scan.Documents();
    return true;
}

void OpenManuals(const QString& strCatalogue, int nModel, int nComm, int nRev)
{
    QStringList astrDocuments;
    if (!FindManuals(strCatalogue, nModel, nComm, nRev, astrDocuments))
        return;
    for (const QString& strDocument : astrDocuments) {
        const QString strWhyNot = WhyNotAManual(strDocument);
        if (strWhyNot.isEmpty())
            BvUtility::Platform::OpenDocument(strDocument);
        else
            Diagnostics::Write("Manual not opened: " + strDocument.toStdString() + " (" + strWhyNot.toStdString() + ")\r\n");
    }
}

}  // namespace ManualLookup
