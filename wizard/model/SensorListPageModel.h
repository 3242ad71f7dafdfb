#pragma once

#include "PageModel.h"

// The auxiliary sensor page: the number of sensors, then one row per sensor
// with its type and its current.
class CSensorListPageModel : public CPageModel {
public:
    static constexpr int kRows = 8;
    enum EControl {
        kCountLabel,
        kCount,
        kTypeLabel,
        kCurrentLabel,
        kTypeFirst,                       // row k's type list is kTypeFirst + k
        kCurrentFirst = kTypeFirst + kRows,  // row k's current field is kCurrentFirst + k
        kReport = kCurrentFirst + kRows,
        kControlCount
    };
    static int TypeId(int nRow) { return kTypeFirst + nRow; }
    static int CurrentId(int nRow) { return kCurrentFirst + nRow; }

    explicit CSensorListPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;
    // A row's type list and current field are named by their column and row.
    CControlLabel LabelOf(int nId) const override;

private:
    void OnCountChanged();
    void OnTypeChanged(int nRow);
    void ShowRows(int nCount);
    CPageResult Leave(bool bNext) override;
};
