#pragma once

#include "PageModel.h"

#include <string>
#include <vector>

// The facts the user manual quotes that the program already knows: the
// option list of moorplan-report, each instrument's limits, the battery
// tables and the messages the pages can show. A topic marks where one stands,
//     <!-- facts:NAME -->...<!-- /facts:NAME -->
// and the build writes it afresh from the code into the copy it compiles;
// the manual's tests check that the topics as written hold the same text.
namespace ManualFacts {

// A message a page can show when Next refuses an entry, and the pages that
// show it: the pages' own, and each variant's limits as its record words them.
struct CMessage {
    std::string strText;
    std::vector<EPageKind> aPages;
};
std::vector<CMessage> PageMessages();

// The HTML of one region; false when no region has that name.
bool Region(const std::string& strName, std::string& strHtml);

// The topic with every region it marks written afresh. False, with the
// problem in strError, for a region the facts do not know or one left open.
bool Refresh(const std::string& strTopic, std::string& strResult, std::string& strError);

}  // namespace ManualFacts
