#include "InstrumentFactory.h"

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
