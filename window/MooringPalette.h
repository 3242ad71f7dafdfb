#pragma once

#include "MooringTable.h"

#include <QColor>
#include <QPalette>

// The colour of a position's status wherever the window shows it (the table,
// the line, the timeline, the printed sheet): colour-blind-safe hues that
// read on a light and a dark palette; a plan without days takes the palette's
// own muted text colour.
inline QColor StatusColour(EPositionState eState, const QPalette& palette)
{
    switch (eState) {
    case EPositionState::Lasts:
        return QColor(0x00, 0x9e, 0x73);   // bluish green
    case EPositionState::RunsOut:
        return QColor(0xd5, 0x5e, 0x00);   // vermilion
    default:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    }
}
