#pragma once

#include "InstrumentCodes.h"
#include "PageModel.h"

// The communications and firmware page: the protocol radio buttons and the
// firmware revision list. Leaving it either way builds (or keeps) the
// instrument and adds the pages of its family.
class CCommsPageModel : public CPageModel {
public:
    enum EControl {
        kText,
        kRs232,   // communications index 0; the three buttons follow in index order
        kRs485,
        kModem,
        kFirmwareLabel,
        kFirmware,
        kControlCount
    };
    static constexpr int kCommCount = CommIndex::kCount;
    static int CommButton(int nCommIndex) { return kRs232 + nCommIndex; }

    explicit CCommsPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

    // Refills the firmware list for (m_nSelModel, m_nSelComm) and selects the
    // instrument's revision when it has this protocol, else the default.
    void FillFirmwareList();

    // The revision preselected for a model and protocol without an instrument.
    static int DefaultFirmware(int nModelIndex, int nCommIndex);
    // Whether the protocol button is enabled for the model.
    static bool IsCommEnabled(int nModelIndex, int nCommIndex, bool b485Switch);

private:
    // Next and Back alike: store the revision, build or keep the instrument,
    // add the pages of its family.
    CPageResult Leave(bool bNext) override;
};
