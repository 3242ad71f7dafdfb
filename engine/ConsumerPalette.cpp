#include "ConsumerPalette.h"

#include "EnduranceBreakdown.h"

const std::vector<CConsumerColour>& ConsumerPalette()
{
    namespace P = BreakdownPart;
    static const std::vector<CConsumerColour> aPalette = {
        {P::kSampling, "#332288", "#9988ee"},         // indigo
        {P::kPump, "#cc6677", "#cc6677"},             // rose
        {P::kAuxSensors, "#ddcc77", "#ddcc77"},       // sand
        {P::kQuiescent, "#44aa99", "#44aa99"},        // teal
        {P::kCommunications, "#88ccee", "#88ccee"},   // cyan
        {P::kSelfDischarge, "#888888", "#888888"},    // grey: the loss with nothing switched on
        {P::kOxygenWait, "#882255", "#dd6699"},       // wine
        {P::kIdle, "#117733", "#44bb77"},             // green
        {P::kPolledListening, "#999933", "#999933"},  // olive
        {P::kContinuous, "#aa4499", "#cc77bb"},       // purple
    };
    return aPalette;
}

const char* ConsumerColour(const std::string& strConsumer, bool bDark)
{
    for (const CConsumerColour& colour : ConsumerPalette())
        if (strConsumer == colour.szConsumer)
            return bDark ? colour.szDark : colour.szLight;
    return nullptr;
}
