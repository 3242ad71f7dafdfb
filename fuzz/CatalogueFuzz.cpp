// The manual catalogue from bytes, looked up for a few model triples, with
// the documents that pass the manual gate opened through the seam.
#include "Diagnostics.h"
#include "InputFile.h"
#include "ManualLookup.h"
#include "PlatformSeams.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

// (model, comm, rev): the Kelvo 610's minus ones, a 620 and a 700 entry.
constexpr int kaTriples[][3] = {{0, -1, -1}, {1, 0, 1}, {3, 1, 2}};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Diagnostics::SetSink([](const std::string&) {});
    BvUtility::Platform::SetOpenDocumentHandler([](const QString&) { return true; });
    return 0;
}

// The first byte picks the triple, the rest is the catalogue.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    const auto& triple = kaTriples[pData[0] % std::size(kaTriples)];
    const QString strCatalogue = QString::fromStdString(InputFile(pData + 1, nSize - 1));
    QStringList astrDocuments;
    const bool bRead = ManualLookup::FindManuals(strCatalogue, triple[0], triple[1], triple[2], astrDocuments);
    if ((!bRead && !astrDocuments.isEmpty()) || astrDocuments.size() > 16)
        std::abort();
    if (!astrDocuments.isEmpty())
        ManualLookup::OpenManuals(strCatalogue, triple[0], triple[1], triple[2]);
    return 0;
}
