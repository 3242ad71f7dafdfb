#pragma once

#include "CivilDay.h"
#include "PlanAnswers.h"

#include <string>
#include <vector>

// A mooring as a person plans it: one deployment, one recovery, and the
// instruments on the line. Plain values, edited by value: a window or a page
// changes a label, a depth, the notes or a plan, adds, removes and reorders
// positions, and asks for the table again (see MooringTable.h). Nothing worked
// out from the plans is kept here.

// One instrument on the line.
struct CMooringPosition {
    std::string m_strLabel;   // its serial number or a name
    double m_dDepth = 0.0;    // metres below the surface
    std::string m_strNotes;   // empty: none
    // Exactly what a plan file holds: the answers of the wizard's pages.
    CPlanAnswers m_plan;
};

struct CMooring {
    std::string m_strName;
    CCivilDay m_deployed;   // the day the mooring goes in
    CCivilDay m_recovery;   // the planned recovery day
    std::vector<CMooringPosition> m_aPositions;
};
