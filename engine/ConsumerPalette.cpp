#include "ConsumerPalette.h"

#include "EnduranceBreakdown.h"

const std::vector<CConsumerColour>& ConsumerPalette()
{
    namespace P = BreakdownPart;
    static const std::vector<CConsumerColour> aPalette = {
        {P::kSampling, "#332288"},         // indigo
        {P::kPump, "#cc6677"},             // rose
        {P::kAuxSensors, "#ddcc77"},       // sand
        {P::kQuiescent, "#44aa99"},        // teal
        {P::kCommunications, "#88ccee"},   // cyan
        {P::kSelfDischarge, "#888888"},    // grey: the loss with nothing switched on
        {P::kOxygenWait, "#882255"},       // wine
        {P::kIdle, "#117733"},             // green
        {P::kPolledListening, "#999933"},  // olive
        {P::kContinuous, "#aa4499"},       // purple
    };
    return aPalette;
}

const char* ConsumerColour(const std::string& strConsumer)
{
    for (const CConsumerColour& colour : ConsumerPalette())
        if (strConsumer == colour.szConsumer)
            return colour.szLight;
    return nullptr;
}
