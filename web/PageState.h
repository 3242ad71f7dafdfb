#pragma once

#include <string>

class CSheetModel;
struct CFinishInsight;

// The browser page's view of the wizard: the current page as JSON, in the
// same shape for every page, so that the page's script only draws it.
//
// {"caption", "title", "kind", "finishPage", "back", "next", "finish",
//  "finishText", "test", "b485", "exportName", "planName", "planMaxBytes",
//  "openPlan", "message", "editing", "position",
//  "controls": [{"kind", "text", "items", "selection", "checked", "visible",
//                "enabled", "label", "row", "group"}]}
//
// "label" is the id of the label control that names an edit field or list
// (-1: none); "row" numbers the rows of a table of controls (0: not in one);
// "group" ties the radio buttons that exclude one another. "openPlan": the
// run may be replaced by an opened plan here (the introduction page, as on
// the desktop); "planMaxBytes": how much of a chosen file the bridge reads.
// "editing": the run is a mooring position's plan, "position" its label;
// Exit on the finish page puts it back.
namespace PageState {

std::string ToJson(CSheetModel& sheet, const std::string& strMessage, bool bEditing = false,
                   const std::string& strPosition = std::string());

// The finish page's insight for a deployment starting on the given day:
// {"parts": [{"label", "share", "colour"}], "total", "end"}: each consumer's
// legend text, share of the day (0 to 1) and colour (ConsumerPalette), the
// legend's total line ("" with no breakdown) and the expected end date text.
std::string InsightJson(const CFinishInsight& insight, int nYear, int nMonth, int nDay);

}  // namespace PageState
