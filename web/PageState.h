#pragma once

#include <string>

class CSheetModel;

// The browser page's view of the wizard: the current page as JSON, in the
// same shape for every page, so that the page's script only draws it.
//
// {"caption", "title", "kind", "finishPage", "back", "next", "finish",
//  "finishText", "test", "b485", "exportName", "message",
//  "controls": [{"kind", "text", "items", "selection", "checked", "visible",
//                "enabled", "label", "row", "group"}]}
//
// "label" is the id of the label control that names an edit field or list
// (-1: none); "row" numbers the rows of a table of controls (0: not in one);
// "group" ties the radio buttons that exclude one another.
namespace PageState {

std::string ToJson(CSheetModel& sheet, const std::string& strMessage);

// A JSON string literal holding strText (bytes of 0x80 and above are taken
// as Latin-1 unless they form UTF-8).
std::string Quote(const std::string& strText);

}  // namespace PageState
