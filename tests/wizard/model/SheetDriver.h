#pragma once

#include "WizardModel.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// A model with, for every model but the Kelvo 610, its protocol and revision
// (-1: keep the preselection).
struct CVariant {
    int nModel;
    int nComm = -1;
    int nFirmware = -1;
};

// Texts typed into a page's fields, by control id.
using CTyped = std::vector<std::pair<int, const char*>>;

// Drives a sheet model as a person clicking through the wizard would.
class CSheetDriver {
public:
    // b485: started with the switch that offers RS 485 on every Kelvo 700
    // (the switches are TEST, MANUAL and 485Nereids).
    explicit CSheetDriver(bool b485 = false) : m_sheet({false, false, b485}) { m_sheet.Start(); }

    // From the introduction page: picks the variant, then Next until the
    // first page of the family.
    void ChooseInstrument(const CVariant& variant)
    {
        m_sheet.CurrentPage().Click(CIntroPageModel::ModelButton(variant.nModel));
        m_sheet.Next();
        if (variant.nModel == 0)
            return;
        CPageModel& comm = m_sheet.CurrentPage();
        if (variant.nComm >= 0)
            comm.Click(CCommsPageModel::CommButton(variant.nComm));
        if (variant.nFirmware >= 0)
            comm.SelectEntry(CCommsPageModel::kFirmware, variant.nFirmware);
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

    CPageModel& Open(const CVariant& variant, EPageKind eKind)
    {
        ChooseInstrument(variant);
        return NextUntil(eKind);
    }

    // Types the texts into the current page and presses Next: the message.
    std::string Submit(const CTyped& aTyped)
    {
        for (const auto& [nId, szText] : aTyped)
            Page().TypeText(nId, szText);
        return m_sheet.Next().m_strMessage;
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
