#pragma once

#include "InstrumentCodes.h"

#include <string>
#include <vector>

// The revisions that a page singles out, by their position in the list of
// their (model, communications) cell; the factory's rows name them too.
namespace FirmwareIndex {
inline constexpr int k700NoPumpRs232From30 = 4;       // Kelvo 700 without pump, RS-232: "3.0 and higher"
inline constexpr int k700PumpRs232From30To40 = 3;     // Kelvo 700 with pump, RS-232: "3.0 and higher, less than 4.0"
inline constexpr int k700OxygenModemPrototype = 0;    // Kelvo 700 with oxygen, modem: "4.0 (prototype version, 2009)"
}

// The firmware revisions offered for each model and communications: the
// position of a text in its list is the firmware index of the triple.
// Filled once by the constructor and never changed.
class CFirmwareCatalogue {
public:
    static constexpr int kModelRows = ModelIndex::kCount;
    static constexpr int kCommColumns = CommIndex::kCount;

    CFirmwareCatalogue();

    // The revision texts of (model, communications), in list order; an empty
    // list for a cell without revisions or outside the table.
    const std::vector<std::string>& GetRevisions(int nModelIndex, int nCommIndex) const;
    int GetRevisionCount(int nModelIndex, int nCommIndex) const;
    // One revision text; empty when the position is outside its list.
    std::string GetRevision(int nModelIndex, int nCommIndex, int nFirmwareIndex) const;
    // The firmware index of the newest revision: each list runs from the
    // oldest revision to the newest, so its last position; 0 for an empty list.
    int GetNewestRevision(int nModelIndex, int nCommIndex) const;

private:
    std::vector<std::string> m_aastrRevisions[kModelRows][kCommColumns];
};
