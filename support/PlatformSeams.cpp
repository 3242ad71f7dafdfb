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
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (request.buttons == MessageButtons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (request.buttons == MessageButtons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(request.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    request.strCaption, request.strText, buttons, request.pOwner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    default:
        // Closed without a choice: a question is left undecided.
        return request.buttons == MessageButtons::Ok ? MessageResult::Ok
               : request.buttons == MessageButtons::YesNo ? MessageResult::No
                                                          : MessageResult::Cancel;
    }
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
QString RunFileDialog(const OpenFileRequest& request, QFileDialog::AcceptMode eMode, bool bAddTo = false)
{
    QFileDialog dialog(request.pOwner);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, bAddTo);
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
    return RunFileDialog(request, QFileDialog::AcceptSave, request.bAddTo);
}
void SetSaveFileHandler(SaveFileHandler handler) { Installed<SaveFileHandler>() = std::move(handler); }

}  // namespace BvUtility::Platform
