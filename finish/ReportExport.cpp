#include "ReportExport.h"

#include "AppStrings.h"
#include "FinishReport.h"
#include "FileReplace.h"
#include "PlatformSeams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace ReportExport {
namespace {

std::filesystem::path NativePath(const QString& strPath)
{
#if defined(Q_OS_WIN)
    return std::filesystem::path(strPath.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(strPath).toStdString());
#endif
}

// The platform's plain-text editor, given the file as a single argument so
// that blanks in the path need no quoting. On Linux desktops the default
// application for text files is reached through xdg-open.
void StartEditor(const QString& strPath)
{
#if defined(Q_OS_WIN)
    BvUtility::Platform::StartDetached(QStringLiteral("notepad.exe"), {strPath});
#elif defined(Q_OS_MACOS)
    BvUtility::Platform::StartDetached(QStringLiteral("open"), {QStringLiteral("-t"), strPath});
#else
    BvUtility::Platform::StartDetached(QStringLiteral("xdg-open"), {strPath});
#endif
}

void ShowExportMessage(const char* szText, QWidget* pOwner)
{
    BvUtility::Platform::MessageRequest request;
    request.pOwner = pOwner;
    request.strCaption = QString::fromUtf8(AppStrings::kAppTitle);
    request.strText = QString::fromUtf8(szText);
    BvUtility::Platform::ShowMessage(request);
}

}  // namespace

QString ExportPath()
{
    // Qt answers an empty path when the folder named by TMPDIR does not exist.
    const QString strFolder = QDir::tempPath();
    if (strFolder.isEmpty() || !QFileInfo(strFolder).isDir())
        return QString();
    return QDir(strFolder).filePath(QString::fromLatin1(kFileName));
}

bool WriteReportFile(const QString& strPath, const std::string& strReport)
{
    std::string strError;
    return FileReplace::Write(NativePath(strPath), FinishReport::ExportText(strReport), FileReplace::EAccess::Private,
                              strError);
}

void ViewInEditor(const std::string& strReport, QWidget* pOwner)
{
    const QString strPath = ExportPath();
    if (strPath.isEmpty()) {
        ShowExportMessage(FinishReport::kNoTempFolderMessage, pOwner);
        return;
    }
    if (!WriteReportFile(strPath, strReport)) {
        ShowExportMessage(FinishReport::kCannotWriteMessage, pOwner);
        return;
    }
    StartEditor(strPath);
}

}  // namespace ReportExport
