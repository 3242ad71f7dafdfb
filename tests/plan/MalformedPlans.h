#pragma once

#include <string>
#include <vector>

// Plan files that every front end must refuse with one line naming the file,
// never ending on a signal: what a hostile user tried first.
struct CMalformedPlan {
    const char* szName;
    std::string strText;
    std::string strMessage;   // after "FILE: "
    // Refused as it is read, so a run in progress is left as it was; the
    // others are refused by the walk of the pages, which starts afresh.
    bool bUnread;
};

inline const std::vector<CMalformedPlan>& MalformedPlans()
{
    auto sensors = [](int nRows) {
        std::string strRows = "{\"type\": \"none\"}";
        for (int i = 1; i < nRows; ++i)
            strRows += ", {\"type\": \"none\"}";
        return strRows;
    };
    static const std::vector<CMalformedPlan> aPlans = {
        {"number overflow", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 620\", \"temperature\": -1e400}",
         "not a plan: a number is too large (line 1, column 59)", true},
        {"overflow in the version", "{\"moorplan-plan\": 1e999}",
         "not a plan: a number is too large (line 1, column 19)", true},
        {"overflow in a list under an unknown key", "{\"moorplan-plan\": 1,\n  \"spare\": [[0, 1e999]]}",
         "not a plan: a number is too large (line 2, column 17)", true},
        {"nesting 100,000 deep", "{\"moorplan-plan\": 1, \"aux\": " + std::string(100000, '['),
         "not a plan: it is nested more than 32 deep", true},
        {"unterminated nesting", "{\"moorplan-plan\": 1, \"aux\": [{\"type\": \"Other\"",
         "not a plan: the text is not JSON (line 1, column 46)", true},
        {"lone surrogate", "{\"moorplan-plan\": 1, \"model\": \"\\ud800\"}",
         "not a plan: the text is not JSON (line 1, column 38)", true},
        {"NUL in a key", "{\"moorplan-plan\": 1, \"mo\\u0000del\": 1}", "unknown field \"mo\\u0000del\"", true},
        {"NUL in a value", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 710\", \"sampling\": \"polled\\u0000-low\"}",
         "\"sampling\": 'polled\\u0000-low' is not a choice on this instrument's page", false},
        {"string near 1 MiB",
         "{\"moorplan-plan\": 1, \"model\": \"Kelvo 710\", \"sampling\": \"" + std::string(1024 * 1024 - 80, 'x')
             + "\"}",
         "\"sampling\": '" + std::string(80, 'x') + "...' is not a choice on this instrument's page", false},
        {"20,000 sensor rows", "{\"moorplan-plan\": 1, \"aux\": [" + sensors(20000) + "]}",
         "\"aux\" given 20000 times, but this instrument takes at most 8 auxiliary sensors", false},
        {"key given twice", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 610\", \"model\": \"Kelvo 620\"}",
         "\"model\" is given twice", true},
        {"key given twice in a sensor row",
         "{\"moorplan-plan\": 1, \"aux\": [" + sensors(1) + ", {\"type\": \"none\", \"type\": \"Other\"}]}",
         "\"aux\" row 2: \"type\" is given twice", true},
    };
    return aPlans;
}
