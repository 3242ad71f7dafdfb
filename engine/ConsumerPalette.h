#pragma once

#include <string>
#include <vector>

// The colour of each consumer of the breakdown (BreakdownPart), the one
// source for the finish page's chart and the browser page's. One colour per
// consumer kind, so a slice keeps its colour from plan to plan: the nine of a
// qualitative scheme whose colours stay apart under the common colour-vision
// deficiencies (Paul Tol's "muted"), and a neutral grey that reads the same to
// everyone and stands out from the white the charts are drawn on. On a dark
// background the darker ones give way to lighter shades of their hue, at a
// contrast of 3:1 or more against the dark greys of dark desktops.
struct CConsumerColour {
    const char* szConsumer;   // a BreakdownPart name
    const char* szLight;      // "#rrggbb" on a light background
    const char* szDark;       // "#rrggbb" on a dark background
};

// Every consumer kind, in the order of BreakdownPart.
const std::vector<CConsumerColour>& ConsumerPalette();

// The consumer's colour on a light (or dark) background; null for a name
// that is not a consumer kind.
const char* ConsumerColour(const std::string& strConsumer, bool bDark = false);
