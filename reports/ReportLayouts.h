#pragma once

// The four report layouts, each with the query that feeds it. A builder of the print dialog makes
// one for each print, sets its texts and bindings, and prints it; it lives only for that print.
//
// Choices the layouts make:
// - The schedule's date header is filled with the classic desktop's active-border colour, grey
//   180, 180, 180.
// - The address value wraps at the band's right edge and shows at most 16.7 mm of lines.
// - The address book prints no group name: the place top right that the group report could use
//   has no column, so it is left out.
// - The pay date and the amount print as the expense list shows them (ReportEngine.h).

#include "platform/Database.h"
#include "reports/ReportEngine.h"

// The schedule of one day.
class TReportDateForm
{
public:
    TReportDateForm();
    report::Report Report;
    TADOQuery ReportADOQuery;
};

// The address book, whole or one group.
class TReportAddressForm
{
public:
    TReportAddressForm();
    report::Report Report;
    TADOQuery ADOAddressQuery;
};

// The selected Password entries.
class TReportMemoQr
{
public:
    TReportMemoQr();
    report::Report Report;
    TADOQuery ReportADOQuery;
};

// The selected expenses.
class TReportExpenseQR
{
public:
    TReportExpenseQR();
    report::Report Report;
    TADOQuery ReportADOQuery;
};
