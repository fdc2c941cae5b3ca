#pragma once

// The four report layouts, each with the query that feeds it. A builder of the print dialog makes
// one for each print, sets its texts and bindings, and prints it.

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
