#pragma once

#include "WizardModel.h"

#include <gtest/gtest.h>

#include <vector>

// Drives a sheet model as a person clicking through the wizard would.
class CSheetDriver {
public:
    explicit CSheetDriver(CMoorplanCommandLineInfo commandLine = {}) : m_sheet(commandLine) { m_sheet.Start(); }

    // From the introduction page: picks the model, and for every model but the
    // Kelvo 610 the protocol and revision (-1: keep the preselection), then
    // Next until the first page of the family.
    void ChooseInstrument(int nModel, int nComm = -1, int nFirmware = -1)
    {
        CPageModel& intro = m_sheet.CurrentPage();
        intro.Click(CIntroPageModel::ModelButton(nModel));
        m_sheet.Next();
        if (nModel == 0)
            return;
        CPageModel& comm = m_sheet.CurrentPage();
        if (nComm >= 0)
            comm.Click(CMoorModelPageModel::CommButton(nComm));
        if (nFirmware >= 0)
            comm.SelectEntry(CMoorModelPageModel::kFirmware, nFirmware);
        m_sheet.Next();
    }

    // Next until the page of that kind is the current one.
    CPageModel& NextUntil(EPageKind eKind)
    {
        while (m_sheet.CurrentPage().Kind() != eKind) {
            const CPageResult result = m_sheet.Next();
            EXPECT_EQ(result.m_strMessage, "") << "refused on the way";
            if (result.m_bStay)
                break;
        }
        return m_sheet.CurrentPage();
    }

    std::vector<EPageKind> PageKinds() const
    {
        std::vector<EPageKind> aKinds;
        for (const CPageModel* pPage : m_sheet.Pages())
            aKinds.push_back(pPage->Kind());
        return aKinds;
    }

    CInstrument& Instrument() { return *m_sheet.Instrument(); }
    CPageModel& Page() { return m_sheet.CurrentPage(); }

    CSheetModel m_sheet;
};
