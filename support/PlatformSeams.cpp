#include "PlatformSeams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

Q_LOGGING_CATEGORY(lcDiagnostics, "moorplan.diagnostics", QtInfoMsg)

namespace BvUtility::Platform {
namespace {

// The installed handler of one seam (each handler type is its own seam).
template <typename THandler>
THandler& Installed()
{
    static THandler handler;
    return handler;
}

MessageResult RealMessageBox(const MessageRequest& request)
{
    QMessageBox box(request.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    request.strCaption, request.strText,
                    request.buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    request.pOwner);
    const int nResult = box.exec();
    if (request.buttons == MessageButtons::YesNo)
        return nResult == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    return MessageResult::Ok;
}

// A URL with a scheme goes to the desktop as it is; anything else is a path,
// absolute or relative to the current folder.
QUrl DocumentUrl(const QString& strPathOrUrl)
{
    const QUrl url(strPathOrUrl, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(strPathOrUrl).absoluteFilePath());
}

}  // namespace

MessageResult ShowMessage(const MessageRequest& request)
{
    return Installed<MessageBoxHandler>() ? Installed<MessageBoxHandler>()(request) : RealMessageBox(request);
}
void SetMessageBoxHandler(MessageBoxHandler handler) { Installed<MessageBoxHandler>() = std::move(handler); }

bool OpenDocument(const QString& strPathOrUrl)
{
    if (Installed<OpenDocumentHandler>())
        return Installed<OpenDocumentHandler>()(strPathOrUrl);
    return QDesktopServices::openUrl(DocumentUrl(strPathOrUrl));
}
void SetOpenDocumentHandler(OpenDocumentHandler handler) { Installed<OpenDocumentHandler>() = std::move(handler); }

bool StartDetached(const QString& strProgram, const QStringList& astrArguments)
{
    if (Installed<StartDetachedHandler>())
        return Installed<StartDetachedHandler>()(strProgram, astrArguments);
    return QProcess::startDetached(strProgram, astrArguments);
}
void SetStartDetachedHandler(StartDetachedHandler handler) { Installed<StartDetachedHandler>() = std::move(handler); }

namespace {
QString RunFileDialog(const OpenFileRequest& request, QFileDialog::AcceptMode eMode)
{
    QFileDialog dialog(request.pOwner);
    dialog.setAcceptMode(eMode);
    dialog.setFileMode(eMode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.strDefaultSuffix);
    dialog.selectFile(request.strInitialName);
    dialog.setNameFilter(request.strFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
}  // namespace

QString ChooseOpenFile(const OpenFileRequest& request)
{
    if (Installed<OpenFileHandler>())
        return Installed<OpenFileHandler>()(request);
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}
void SetOpenFileHandler(OpenFileHandler handler) { Installed<OpenFileHandler>() = std::move(handler); }

QString ChooseSaveFile(const SaveFileRequest& request)
{
    if (Installed<SaveFileHandler>())
        return Installed<SaveFileHandler>()(request);
    return RunFileDialog(request, QFileDialog::AcceptSave);
}
void SetSaveFileHandler(SaveFileHandler handler) { Installed<SaveFileHandler>() = std::move(handler); }

}  // namespace BvUtility::Platform
