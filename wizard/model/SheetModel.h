#pragma once

#include "ControlState.h"
#include "Instrument.h"

#include <memory>
#include <vector>

class CPageModel;
class CIntroPageModel;
class CCommsPageModel;
class CBatterySelectPageModel;
class CPressureSelectPageModel;
class C600SamplingPageModel;
class C700SamplingPageModel;
class C710SamplingPageModel;
class CMooredPumpSelectPageModel;
class CSensorListPageModel;
class CFinishPageModel;
class CSheetModel;

// The wizard's switches, as the moorplan command line gives them (see
// CMoorplanCommandLineInfo), moorplan-report's options or the browser page's
// settings.
struct CWizardSwitches {
    bool m_bTest = false;     // the finish page adds the table of intervals against days
    bool m_bManual = false;   // the finish page offers "View Manual"
    bool m_b485 = false;      // RS 485 for the Kelvo 700 without oxygen
};

// Each switch by the name the moorplan command line gives it (after a slash or
// a dash, in any letter case); its manual page and help topic name the same.
struct CWizardSwitchName {
    const char* szName;
    bool CWizardSwitches::*pFlag;
};
inline constexpr CWizardSwitchName kWizardSwitchNames[] = {
    {"TEST", &CWizardSwitches::m_bTest},
    {"MANUAL", &CWizardSwitches::m_bManual},
    {"485Nereids", &CWizardSwitches::m_b485},
};
// The moorplan command line's one switch that is not the wizard's: the
// mooring window on a new mooring instead of the wizard.
inline constexpr const char* kMooringSwitchName = "MOORING";

// One set of the pages that follow the model pages. The introduction page's
// set serves the Kelvo 610 path, the communications page's set every other
// model; the two sets share no page object, so each keeps its own texts.
struct CPageSet {
    explicit CPageSet(CSheetModel& sheet);
    ~CPageSet();

    std::unique_ptr<CBatterySelectPageModel> m_pBatterySelect;
    std::unique_ptr<CPressureSelectPageModel> m_pPressureSelect;
    std::unique_ptr<C600SamplingPageModel> m_p600Sampling;
    std::unique_ptr<C700SamplingPageModel> m_p700Sampling;
    std::unique_ptr<C710SamplingPageModel> m_p710Sampling;
    std::unique_ptr<CMooredPumpSelectPageModel> m_pMooredPumpSelect;
    std::unique_ptr<CSensorListPageModel> m_pSensorList;
    std::unique_ptr<CFinishPageModel> m_pFinish;
};

// The wizard sheet without a window: the person's (model, communications,
// firmware) choice, the one instrument object, every page object, the page
// list and the moves between pages.
class CSheetModel {
public:
    explicit CSheetModel(const CWizardSwitches& switches);
    ~CSheetModel();

    CSheetModel(const CSheetModel&) = delete;
    CSheetModel& operator=(const CSheetModel&) = delete;

    const CWizardSwitches& Switches() const { return m_switches; }
    // The switches can change while the wizard runs (the browser page offers
    // them as settings); pages read them on their next activation.
    CWizardSwitches& Switches() { return m_switches; }

    // Makes m_pInstrument the variant of (m_nSelModel, m_nSelComm,
    // m_nSelFirmware). Keeps the current object while its triple is the same;
    // otherwise destroys it first, so a triple without a variant leaves none.
    bool CreateInstrument();
    CInstrument* Instrument() const { return m_pInstrument.get(); }
    void DestroyInstrument() { m_pInstrument.reset(); }

    // The page list.
    const std::vector<CPageModel*>& Pages() const { return m_apPages; }
    // Keeps the first nCount pages, removes the rest.
    void KeepFirstPages(int nCount);
    // Appends a page; its controls start over from its layout.
    void AddPage(CPageModel& page);
    // Appends the pages that follow the communications page for the
    // instrument's family (from the communications page's set).
    void AddFamilyPages();
    // Appends the Kelvo 610 path (from the introduction page's set).
    void Add610Pages();

    // Moving through the list as the wizard buttons do.
    // Start activates the introduction page.
    void Start();
    // Starts again as a new run of the wizard would: no instrument, no choice,
    // every page as freshly made, the introduction page active.
    void Restart();
    int CurrentIndex() const { return m_nCurrent; }
    CPageModel& CurrentPage() const { return *m_apPages.at(static_cast<std::size_t>(m_nCurrent)); }
    // Runs the current page's Next; unless it stays, moves to the following
    // page and activates it. With no following page the wizard cannot move.
    CPageResult Next();
    // Runs the current page's Back and moves to the page before, activating it.
    CPageResult Back();

    CIntroPageModel& IntroPage() { return *m_pIntro; }
    CCommsPageModel& CommsPage() { return *m_pComms; }
    CPageSet& Set610() { return *m_p610Set; }
    CPageSet& SetOther() { return *m_pOtherSet; }

    int m_nSelModel = -1;
    int m_nSelComm = -1;
    int m_nSelFirmware = -1;
    int m_nBuiltModel = -1;
    std::unique_ptr<CInstrument> m_pInstrument;

private:
    CPageResult MoveTo(int nIndex, CPageResult result);

    CWizardSwitches m_switches;
    std::unique_ptr<CIntroPageModel> m_pIntro;
    std::unique_ptr<CCommsPageModel> m_pComms;
    std::unique_ptr<CPageSet> m_p610Set;
    std::unique_ptr<CPageSet> m_pOtherSet;
    std::vector<CPageModel*> m_apPages;
    // The pages added since the sheet last started afresh: the others are
    // still as they were made.
    std::vector<CPageModel*> m_apUsed;
    int m_nCurrent = 0;
};
