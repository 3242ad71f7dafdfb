// Help context numbers of the wizard's pages, one per page, in page order: the
// help project's map ([MAP] in Moorplan.hhp) and the help tests include this
// header, the one place the numbers are written.
#define IDH_PAGE_MODEL 1001
#define IDH_PAGE_COMMUNICATIONS 1002
#define IDH_PAGE_BATTERY 1003
#define IDH_PAGE_PRESSURE 1004
#define IDH_PAGE_SAMPLING 1005
#define IDH_PAGE_SAMPLING_700 1006
#define IDH_PAGE_SAMPLING_710 1007
#define IDH_PAGE_PUMP 1008
#define IDH_PAGE_SENSORS 1009
#define IDH_PAGE_FINISH 1010
