#pragma once

#include "FinishReport.h"

#include <QString>

#include <string>

class QWidget;

// "View in Notepad": the finish page's report written to a fixed file in the
// temporary-files folder and opened in the desktop's text editor.
namespace ReportExport {

inline constexpr const char* kFileName = FinishReport::kExportFileName;

// The export file's full path, or an empty string when the platform has no
// usable temporary-files folder.
QString ExportPath();

// Replaces the file at strPath by the report followed by one newline, byte
// for byte, readable by the user only (see FileReplace). Returns false when
// the file could not be replaced.
bool WriteReportFile(const QString& strPath, const std::string& strReport);

// The whole button: writes the report and starts the editor on it. Failures
// to find the folder or to write the file are told in a message box owned by
// pOwner; an editor that cannot be started is not.
void ViewInEditor(const std::string& strReport, QWidget* pOwner);

}  // namespace ReportExport
