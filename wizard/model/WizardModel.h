#pragma once

// The wizard's decisions without a window, shared by the Qt pages and
// moorplan-report.
//
// How a view binds to a page model:
//  - The sheet (CSheetModel) owns the instrument and every page model; its
//    Pages() list says which pages the wizard holds and in what order, and
//    Start/Next/Back move through it (a CPageResult with a message means: show
//    it in a message box, OK only, captioned with the application's name).
//  - A page model holds one CControlState per control, indexed by the page's
//    EControl enum: kind, text, list entries, selection, checked, visible,
//    enabled. After every call into the model the view copies all of them to
//    its widgets; before every call it copies the widgets' texts, selections
//    and checked states into them.
//  - A widget change that has a handler (a list selection, a radio button or
//    check box click) calls page.OnCommand(id). Edit fields have no handlers.
//  - Title() is the wizard title and WizardButtons() the enabled buttons
//    while the page is active; both are set by the page's activation.

#include "BatterySelectPageModel.h"
#include "CommsPageModel.h"
#include "ControlState.h"
#include "FinishPageModel.h"
#include "IntroPageModel.h"
#include "MooredPumpSelectPageModel.h"
#include "PageModel.h"
#include "PressureSelectPageModel.h"
#include "Sampling600PageModel.h"
#include "Sampling700PageModel.h"
#include "Sampling710PageModel.h"
#include "SensorListPageModel.h"
#include "SheetModel.h"
