#pragma once

#include <string>
#include <vector>

class CInstrument;

// The finish page's report: the instrument's complete report with the
// endurance, the test-mode section of sample intervals against days, and the
// ready-made manual-catalogue entry written to the diagnostic output.
namespace FinishReport {

// The catalogue entry for the instrument, as one Instrument element of the
// manual catalogue ready to be copied by a catalogue author.
std::string CatalogueEntry(const CInstrument& instrument);

// One row of the test-mode table: the interval that gives nDays of endurance,
// unless even the longest allowed interval falls short (the table's "*****").
struct CIntervalRow {
    int nDays;
    int nInterval;
    bool bReachable;
};
std::vector<CIntervalRow> SampleIntervalRows(CInstrument& instrument);

// The test-mode section: the interval limits, then one row per target of
// 1..9, 10..90 and 100..3600 days with the interval that reaches it.
std::string SampleIntervalSection(CInstrument& instrument);

// Rebuilds the instrument's report with the endurance, writes the catalogue
// entry to the diagnostic output and, in test mode, appends the section.
// Leaves the finished text in m_strSummary.
void Build(CInstrument& instrument, bool bTestMode);

// The export file's name; each export replaces the file of that name.
inline constexpr const char* kExportFileName = "Kelvobatteryend.txt";
// What the export says when it cannot find the temporary-files folder, and
// when it cannot write the file there.
inline constexpr const char* kNoTempFolderMessage = "Unable to find temporary file folder";
inline constexpr const char* kCannotWriteMessage = "Unable to open temporary file";

// The export file's bytes: the report exactly as shown, then one newline.
// Every front end that hands the report out as a file writes these.
std::string ExportText(const std::string& strReport);

}  // namespace FinishReport
