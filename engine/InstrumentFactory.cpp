#include "InstrumentFactory.h"

#include "Instruments700.h"
#include "Variants600.h"

#include <climits>
#include <new>

namespace {

// A position of the triple that the row does not look at.
constexpr int kAny = INT_MIN;

using CreateFn = std::unique_ptr<CInstrument> (*)(int, int, int);

template <typename TVariant>
std::unique_ptr<CInstrument> Create(int nModelIndex, int nCommIndex, int nFirmwareIndex)
{
    return std::make_unique<TVariant>(nModelIndex, nCommIndex, nFirmwareIndex);
}

struct CVariantRow {
    int nModel;
    int nComm;
    int nFirmware;
    CreateFn pfnCreate;
};

// model, communications, firmware -> variant
const CVariantRow kVariantRows[] = {
    {0, kAny, kAny, &Create<CInstrument610>},
    {1, 0, 0, &Create<CInstrument620Rs232FwTo18>},
    {1, 0, 1, &Create<CInstrument620Rs232Fw20>},
    {1, 1, kAny, &Create<CInstrument620Rs485FwTo12>},
    {1, 2, 0, &Create<CInstrument620ModemFwTo12>},
    {1, 2, 1, &Create<CInstrument620ModemFw20>},
    {2, kAny, 0, &Create<CInstrument630FwTo16>},
    {2, kAny, 1, &Create<CInstrument630Fw20>},
    {3, 0, 0, &Create<CInstrument700LxRs232FwTo16>},
    {3, 0, 1, &Create<CInstrument700LxRs232Fw20>},
    {3, 0, 2, &Create<CInstrument700LxRs232Fw26>},
    {3, 0, 3, &Create<CInstrument700LxRs232Fw26Ext>},
    {3, 0, 4, &Create<CInstrument700LxRs232Fw30>},
    {3, 1, 0, &Create<CInstrument700LxRs485FwTo13>},
    {3, 1, 1, &Create<CInstrument700LxRs485Fw20>},
    {3, 1, 2, &Create<CInstrument700LxRs485Fw30>},
    {3, 2, 0, &Create<CInstrument700MxFwTo14>},
    {3, 2, 1, &Create<CInstrument700MxFw20>},
    {3, 2, 2, &Create<CInstrument700MxFw30>},
    {4, 0, 0, &Create<CInstrument700LxpRs232FwPre26>},
    {4, 0, 1, &Create<CInstrument700LxpRs232Fw26>},
    {4, 0, 2, &Create<CInstrument700LxpRs232Fw26Ext>},
    {4, 0, 3, &Create<CInstrument700LxpRs232Fw30>},
    {4, 0, 4, &Create<CInstrument700LxpRs232Fw40>},
    {4, 1, 0, &Create<CInstrument700LxpRs485FwPre23>},
    {4, 1, 1, &Create<CInstrument700LxpRs485Fw23>},
    {4, 1, 2, &Create<CInstrument700LxpRs485Fw30>},
    {4, 2, 0, &Create<CInstrument700MxpFw20>},
    {4, 2, 1, &Create<CInstrument700MxpFw30>},
    {4, 2, 2, &Create<CInstrument700MxpFw40>},
    {5, 0, kAny, &Create<CInstrument700LxpOxRs232>},
    {5, 2, 0, &Create<CInstrument700MxpOxFw40>},
    {5, 2, 1, &Create<CInstrument700MxpOxFw11>},
    {6, 0, 0, &Create<CInstrument710Rs232FwPre20>},
    {6, 0, 1, &Create<CInstrument710Rs232Fw20>},
    {6, 0, 2, &Create<CInstrument710Rs232Fw31>},
    {6, 2, 0, &Create<CInstrument710ModemFwPre11>},
    {6, 2, 1, &Create<CInstrument710ModemFw11>},
};

bool Matches(int nPattern, int nValue) { return nPattern == kAny || nPattern == nValue; }

}  // namespace

std::unique_ptr<CInstrument> CreateVariant(int nModelIndex, int nCommIndex, int nFirmwareIndex)
{
    for (const CVariantRow& row : kVariantRows) {
        if (row.nModel == nModelIndex && Matches(row.nComm, nCommIndex) && Matches(row.nFirmware, nFirmwareIndex)) {
            try {
                return row.pfnCreate(nModelIndex, nCommIndex, nFirmwareIndex);
            } catch (const std::bad_alloc&) {
                return nullptr;
            }
        }
    }
    return nullptr;
}
