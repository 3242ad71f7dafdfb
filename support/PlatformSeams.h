#pragma once

#include "SupportExport.h"

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The diagnostic output: the program's one logging category,
// "moorplan.diagnostics". The engine's traces, the finish page's catalogue
// entries and the help launcher's lines are its debug lines, silent unless a
// rule enables them, e.g. QT_LOGGING_RULES="moorplan.diagnostics.debug=true".
MOORPLAN_SUPPORT_EXPORT const QLoggingCategory& lcDiagnostics();   // defined by Q_LOGGING_CATEGORY

// Every platform action of the program goes through one of these seams: a
// message box, opening a document with the desktop's default application,
// starting a detached process, and the file-open and file-save dialogs. Each seam does the
// real thing until a handler is installed; tests install handlers to observe
// the action without a window or a desktop. Installing an empty handler
// restores the real action.
namespace BvUtility::Platform {

enum class MessageIcon { None, Exclamation };
// YesNoCancel: the question before a changed document is closed (Yes saves it).
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageRequest {
    QWidget* pOwner = nullptr;
    QString strCaption;
    QString strText;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct OpenFileRequest {
    QWidget* pOwner = nullptr;
    QString strDefaultSuffix;   // without the full stop, e.g. "chm"
    QString strInitialName;
    QString strFilter;          // Qt filter text, e.g. "Compiled HTML CHelp Files (*.chm)"
};

// Asks where to save a file: the same fields, its own seam. With bAddTo the
// file chosen is added to, not replaced: an existing one is taken without
// the question about replacing it.
struct SaveFileRequest : OpenFileRequest {
    bool bAddTo = false;
};

using MessageBoxHandler = std::function<MessageResult(const MessageRequest&)>;
using OpenDocumentHandler = std::function<bool(const QString&)>;
using StartDetachedHandler = std::function<bool(const QString& program, const QStringList& arguments)>;
using OpenFileHandler = std::function<QString(const OpenFileRequest&)>;
using SaveFileHandler = std::function<QString(const SaveFileRequest&)>;

MOORPLAN_SUPPORT_EXPORT MessageResult ShowMessage(const MessageRequest& request);
MOORPLAN_SUPPORT_EXPORT void SetMessageBoxHandler(MessageBoxHandler handler);

// Opens a path (absolute or relative to the current folder) or a URL with the
// desktop's default application. Returns false when nothing could open it.
MOORPLAN_SUPPORT_EXPORT bool OpenDocument(const QString& strPathOrUrl);
MOORPLAN_SUPPORT_EXPORT void SetOpenDocumentHandler(OpenDocumentHandler handler);

// Starts a program detached, arguments passed as they are (no shell).
MOORPLAN_SUPPORT_EXPORT bool StartDetached(const QString& strProgram, const QStringList& astrArguments);
MOORPLAN_SUPPORT_EXPORT void SetStartDetachedHandler(StartDetachedHandler handler);

// Asks for an existing file; an empty result means the dialog was cancelled.
MOORPLAN_SUPPORT_EXPORT QString ChooseOpenFile(const OpenFileRequest& request);
MOORPLAN_SUPPORT_EXPORT void SetOpenFileHandler(OpenFileHandler handler);

// Asks for a file name to save under (an existing file is replaced only
// after the person agrees); an empty result means the dialog was cancelled.
MOORPLAN_SUPPORT_EXPORT QString ChooseSaveFile(const SaveFileRequest& request);
MOORPLAN_SUPPORT_EXPORT void SetSaveFileHandler(SaveFileHandler handler);

}  // namespace BvUtility::Platform
