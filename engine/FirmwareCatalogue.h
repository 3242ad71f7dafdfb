#pragma once

#include <string>
#include <vector>

// The firmware revisions offered for each model and communications: the
// position of a text in its list is the firmware index of the triple.
// Filled once by the constructor and never changed.
class CFirmwareCatalogue {
public:
    static constexpr int kModelRows = 10;
    static constexpr int kCommColumns = 3;

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
