#pragma once

#include "InstrumentCodes.h"
#include "PageModel.h"

// The introduction page: the model radio buttons. Its Next builds the Kelvo
// 610 and its pages, or drops an instrument of another model or protocol and
// adds the communications page.
class CIntroPageModel : public CPageModel {
public:
    enum EControl {
        kIntroText,
        kModel610,   // model index 0; the seven buttons follow in model-index order
        kModel620,
        kModel630,
        kModel700NoPump,
        kModel700Pump,
        kModel700Oxygen,
        kModel710,
        kControlCount
    };
    static constexpr int kModelCount = ModelIndex::kCount;
    static int ModelButton(int nModelIndex) { return kModel610 + nModelIndex; }

    explicit CIntroPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

private:
    // Next only: the introduction page has no Back.
    CPageResult Leave(bool bNext) override;
};
