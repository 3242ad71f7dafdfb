#pragma once

#include "SupportExport.h"

#include <QString>

// Path names taken apart and put together, and file-system questions about
// them. The backslash separates folders; on this platform the slash does too.
// The full stop separates the extension, searched over the whole path.

// Drops a folder path's trailing separator ("C:\data\" -> "C:\data",
// "/data/" -> "/data") and completes a bare drive ("C:" -> "C:\"); roots
// ("\", "/", "C:\") stay. 1 when the path changed.
MOORPLAN_SUPPORT_EXPORT int FixPath(QString& strPath);

// 1 when the path names an existing file or folder.
MOORPLAN_SUPPORT_EXPORT int IsPathValid(const QString& strPath);
// Non-zero (the regular-file type bit) when the path names an existing regular file.
MOORPLAN_SUPPORT_EXPORT int IsFile(const QString& strPath);
// 1 when the path names an existing regular file its owner may not write.
MOORPLAN_SUPPORT_EXPORT int IsReadOnly(const QString& strPath);

// The last path component (the whole path when it has no separator). With
// bMustExist, returns 0 and leaves strName alone unless the path is a file.
MOORPLAN_SUPPORT_EXPORT int ExtractFileName(const QString& strPath, QString& strName, int bMustExist);
// The folder part, without its trailing separator (the whole path when it has
// none; "/" for a file in the root). With bCheck, a missing path returns 0
// and leaves strFolder alone, and a folder is its own folder part.
MOORPLAN_SUPPORT_EXPORT int ExtractDirectory(const QString& strPath, QString& strFolder, int bCheck);

// The text after the last full stop, empty when there is none.
MOORPLAN_SUPPORT_EXPORT void ExtractExtension(const QString& strPath, QString& strExtension);
// Replaces or adds the extension (given without its full stop); an empty
// extension removes it.
MOORPLAN_SUPPORT_EXPORT void SetExtension(QString& strPath, const QString& strExtension);
MOORPLAN_SUPPORT_EXPORT void RemoveExtension(QString& strPath);
