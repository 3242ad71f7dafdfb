#pragma once

#include <QString>
#include <QStringList>

// "View Manual": the instrument's manuals named in the manual catalogue.
//
// The catalogue is an XML document whose root (any name) holds entries
// <Instrument model='m' comm='c' rev='r'> with <Manual> children naming the
// documents to open. The catalogue is read as a stream from start to end and
// never held whole, so a huge or deeply nested file costs time, not memory.
namespace ManualLookup {

inline constexpr const char* kCatalogueName = "ListOfManuals.xml";

// The documents of the first entry whose three indices match, in document
// order (empty when no entry matches or its Manuals are empty). Returns false,
// after writing a diagnostic line, when the catalogue is missing, not
// well-formed anywhere, has no root element or a root without children.
bool FindManuals(const QString& strCatalogue, int nModel, int nComm, int nRev, QStringList& astrDocuments);

// Opens every document FindManuals finds with the desktop's default
// application. Nothing is opened unless the whole catalogue read cleanly, and
// nothing is shown to the user. Only manuals are opened: http and https
// addresses, and existing regular files (paths or file: URLs) that are not
// executable and not launchers (".desktop"); anything else is skipped with a
// diagnostic line.
void OpenManuals(const QString& strCatalogue, int nModel, int nComm, int nRev);

}  // namespace ManualLookup
