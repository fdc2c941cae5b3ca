// The print dialog's four report builders.
#include "desktop/NameTables.h"
#include "platform/Locale.h"
#include "reports/PrintForm.h"
#include "reports/ReportLayouts.h"
#include "reports/ReportStatements.h"

bool TPrintForm::PrintSchedule(platform::printing::Printer& printer)
{
    TReportDateForm holder;
    TADOQuery& query = holder.ReportADOQuery;
    query.Connection = FSelection.connection;
    const QString dateText = platform::locale::dateToStr(FPrintDate);
    query.Close();
    query.SQL.Clear();
    reportstatements::daySchedule(query.SQL, dateText);
    query.Open();
    holder.Report.element("MemoQRDBText").field = "memo";
    holder.Report.element("QRDBStartText").field = "jstarttime";
    holder.Report.element("QRDBEndText").field = "jendtime";
    holder.Report.element("SelectDateQRLabel").text =
        dateText + "(" + DayNames[FPrintDate.dayOfWeek() % 7 + 1] + ")";
    holder.Report.element("QRTitleSelectDateLabel").text = dateText;
    return printCopies(printer, holder.Report, &query);
}

bool TPrintForm::PrintAddressBook(platform::printing::Printer& printer)
{
    TReportAddressForm holder;
    TADOQuery& query = holder.ADOAddressQuery;
    query.Connection = FSelection.connection;
    query.Close();
    query.SQL.Clear();
    // Position k shows the k-th category; "All", and a filter that shows no entry, print every
    // address.
    const int position = FSelection.addressPosition;
    if (position >= 1 && position <= FSelection.addressCategoryIds.size()) {
        reportstatements::groupAddresses(query.SQL);
        query.ParamByName("categoryid").Value = FSelection.addressCategoryIds[position - 1];
    } else {
        reportstatements::allAddresses(query.SQL);
    }
    query.Open();
    for (const char* column : {"FirstName", "LastName", "Title", "CompanyName", "Address", "City", "Zip",
                               "Nation", "OfficePhone", "HomePhone", "Fax", "Mobile", "Email"})
        holder.Report.element(QStringLiteral("QR") + column).field = column;
    return printCopies(printer, holder.Report, &query);
}

bool TPrintForm::PrintMemos(platform::printing::Printer& printer)
{
    TReportMemoQr holder;
    TADOQuery& query = holder.ReportADOQuery;
    query.Connection = FSelection.connection;
    query.Close();
    query.SQL.Clear();
    reportstatements::selectedMemos(query.SQL);
    // The ids are bound one integer each; with none selected the report prints without rows.
    if (!FSelection.memoIds.isEmpty()) {
        query.ParamByName("id").Value = FSelection.memoIds.join(',');
        query.Open();
    }
    holder.Report.element("QRMMemoName").field = "MMemo";
    return printCopies(printer, holder.Report, &query);
}

bool TPrintForm::PrintExpenses(platform::printing::Printer& printer)
{
    TReportExpenseQR holder;
    TADOQuery& query = holder.ReportADOQuery;
    query.Connection = FSelection.connection;
    query.Close();
    query.SQL.Clear();
    reportstatements::selectedExpenses(query.SQL);
    if (!FSelection.expenseIds.isEmpty()) {
        query.ParamByName("id").Value = FSelection.expenseIds.join(',');
        query.Open();
    }
    holder.Report.element("QRPayDateName").field = "paydate";
    holder.Report.element("QRItemName").field = "item";
    holder.Report.element("QRAmountName").field = "amount";
    return printCopies(printer, holder.Report, &query);
}
