#pragma once

// The application's string table. The report title heads every report; the
// wizard title is the introduction page's caption.
namespace AppStrings {
inline constexpr const char* kWizardTitle = "Brevanta Moorplan 1.3";   // the introduction page's caption
inline constexpr const char* kAppTitle = "Moorplan 1.3";               // every report's first line, message boxes' caption
inline constexpr const char* kSheetCaption = "Power Calculator";
// The file dialogs' filter for plan files.
inline constexpr const char* kPlanFilter = "Moorplan plans (*.moorplan)";
// ... and for mooring files.
inline constexpr const char* kMooringFilter = "Moorplan moorings (*.mooring)";
}
