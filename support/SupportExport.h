#pragma once

// Symbols of the support library are hidden unless marked for export; on
// Windows the same mark exports from the DLL and imports into its users.
#if defined(_WIN32)
#if defined(MOORPLAN_SUPPORT_BUILD)
#define MOORPLAN_SUPPORT_EXPORT __declspec(dllexport)
#else
#define MOORPLAN_SUPPORT_EXPORT __declspec(dllimport)
#endif
#elif defined(MOORPLAN_SUPPORT_BUILD)
#define MOORPLAN_SUPPORT_EXPORT __attribute__((visibility("default")))
#else
#define MOORPLAN_SUPPORT_EXPORT
#endif
