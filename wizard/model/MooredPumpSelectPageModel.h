#pragma once

#include "PageModel.h"

// The moored pump page: the pump list and the two pump-mode buttons.
class CMooredPumpSelectPageModel : public CPageModel {
public:
    enum EControl { kPumpLabel, kPump, kMode1, kMode2, kReport, kControlCount };

    explicit CMooredPumpSelectPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

private:
    void OnPumpChanged();
    CPageResult Leave(bool bNext) override;
};
