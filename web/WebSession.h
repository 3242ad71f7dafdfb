#pragma once

#include "Mooring.h"
#include "MooringTable.h"
#include "SheetModel.h"

#include <memory>
#include <string>

// What the page's entry points share: one run of the wizard and one mooring.
// The wizard's run may be a position's plan taken out of the mooring; Exit on
// its finish page puts it back (MooringBridge.cpp).
struct CWebSession {
    std::unique_ptr<CSheetModel> m_pSheet;
    std::string m_strMessage;   // the last refusal, shown on the page until the next action
    std::string m_strState;     // the answer of the last call, kept alive for the script
    std::string m_strInsight;
    std::string m_strFile;      // the bytes of the last file handed out for download

    // The mooring view. Its table is worked out again after every change.
    bool m_bMooring = false;   // whether a mooring has been opened or started
    CMooring m_mooring;
    CMooringTable m_table;
    std::unique_ptr<CMooringEvaluator> m_pEvaluator;
    bool m_bEvaluated485 = false;   // the switch the evaluator walks the plans with
    std::string m_strMooringFile;   // the name messages and downloads use
    std::string m_strMooringMessage;
    // The position whose plan the wizard's run is: -1 none; the count of
    // positions: a new position, added by Exit.
    int m_nEditing = -1;
};

CWebSession& Session();

// The current page's state (PageState.h), kept alive for the script.
const char* PageAnswer();
