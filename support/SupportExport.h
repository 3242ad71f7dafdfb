#pragma once

// Symbols of the support library are hidden unless marked for export.
#if defined(MOORPLAN_SUPPORT_BUILD)
#define MOORPLAN_SUPPORT_EXPORT __attribute__((visibility("default")))
#else
#define MOORPLAN_SUPPORT_EXPORT
#endif
