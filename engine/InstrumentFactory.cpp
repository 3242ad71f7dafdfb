#include "InstrumentFactory.h"

#include "FirmwareCatalogue.h"
#include "Instruments700.h"
#include "Variants600.h"

#include <climits>
#include <iterator>
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

using namespace ModelIndex;
using namespace CommIndex;

// model, communications, firmware -> variant
const CVariantRow kVariantRows[] = {
    {k610, kAny, kAny, &Create<CInstrument610>},
    {k620, kRs232, 0, &Create<CInstrument620Rs232FwTo18>},
    {k620, kRs232, 1, &Create<CInstrument620Rs232Fw20>},
    {k620, kRs485, kAny, &Create<CInstrument620Rs485FwTo12>},
    {k620, kModem, 0, &Create<CInstrument620ModemFwTo12>},
    {k620, kModem, 1, &Create<CInstrument620ModemFw20>},
    {k630, kAny, 0, &Create<CInstrument630FwTo16>},
    {k630, kAny, 1, &Create<CInstrument630Fw20>},
    {k700NoPump, kRs232, 0, &Create<CInstrument700LxRs232FwTo16>},
    {k700NoPump, kRs232, 1, &Create<CInstrument700LxRs232Fw20>},
    {k700NoPump, kRs232, 2, &Create<CInstrument700LxRs232Fw26>},
    {k700NoPump, kRs232, 3, &Create<CInstrument700LxRs232Fw26Ext>},
    {k700NoPump, kRs232, FirmwareIndex::k700NoPumpRs232From30, &Create<CInstrument700LxRs232Fw30>},
    {k700NoPump, kRs485, 0, &Create<CInstrument700LxRs485FwTo13>},
    {k700NoPump, kRs485, 1, &Create<CInstrument700LxRs485Fw20>},
    {k700NoPump, kRs485, 2, &Create<CInstrument700LxRs485Fw30>},
    {k700NoPump, kModem, 0, &Create<CInstrument700MxFwTo14>},
    {k700NoPump, kModem, 1, &Create<CInstrument700MxFw20>},
    {k700NoPump, kModem, 2, &Create<CInstrument700MxFw30>},
    {k700Pump, kRs232, 0, &Create<CInstrument700LxpRs232FwPre26>},
    {k700Pump, kRs232, 1, &Create<CInstrument700LxpRs232Fw26>},
    {k700Pump, kRs232, 2, &Create<CInstrument700LxpRs232Fw26Ext>},
    {k700Pump, kRs232, FirmwareIndex::k700PumpRs232From30To40, &Create<CInstrument700LxpRs232Fw30>},
    {k700Pump, kRs232, 4, &Create<CInstrument700LxpRs232Fw40>},
    {k700Pump, kRs485, 0, &Create<CInstrument700LxpRs485FwPre23>},
    {k700Pump, kRs485, 1, &Create<CInstrument700LxpRs485Fw23>},
    {k700Pump, kRs485, 2, &Create<CInstrument700LxpRs485Fw30>},
    {k700Pump, kModem, 0, &Create<CInstrument700MxpFw20>},
    {k700Pump, kModem, 1, &Create<CInstrument700MxpFw30>},
    {k700Pump, kModem, 2, &Create<CInstrument700MxpFw40>},
    {k700PumpOxygen, kRs232, kAny, &Create<CInstrument700LxpOxRs232>},
    {k700PumpOxygen, kModem, FirmwareIndex::k700OxygenModemPrototype, &Create<CInstrument700MxpOxFw40>},
    {k700PumpOxygen, kModem, 1, &Create<CInstrument700MxpOxFw11>},
    {k710, kRs232, 0, &Create<CInstrument710Rs232FwPre20>},
    {k710, kRs232, 1, &Create<CInstrument710Rs232Fw20>},
    {k710, kRs232, 2, &Create<CInstrument710Rs232Fw31>},
    {k710, kModem, 0, &Create<CInstrument710ModemFwPre11>},
    {k710, kModem, 1, &Create<CInstrument710ModemFw11>},
};

bool Matches(int nPattern, int nValue) { return nPattern == kAny || nPattern == nValue; }

}  // namespace

int VariantCount() { return static_cast<int>(std::size(kVariantRows)); }

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
