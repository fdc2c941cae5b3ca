// The print dialog's four report builders.
#include "common/NameTables.h"
#include "common/statements/EventStatements.h"
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
    eventstatements::setDaySelect(query, FPrintDate);
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

namespace {

// Runs the statement of the selected rows; with none selected it is not run, and the report prints
// without rows. The ids are bound one integer each.
void openSelected(TADOQuery& query, TADOConnection* connection, void (*statement)(TSQLLines&),
                  const QStringList& ids)
{
    query.Connection = connection;
    query.Close();
    query.SQL.Clear();
    statement(query.SQL);
    if (ids.isEmpty())
        return;
    query.ParamByName("id").Value = ids.join(',');
    query.Open();
}

} // namespace

bool TPrintForm::PrintMemos(platform::printing::Printer& printer)
{
    TReportMemoQr holder;
    openSelected(holder.ReportADOQuery, FSelection.connection, reportstatements::selectedMemos,
                 FSelection.memoIds);
    holder.Report.element("QRMMemoName").field = "MMemo";
    return printCopies(printer, holder.Report, &holder.ReportADOQuery);
}

bool TPrintForm::PrintExpenses(platform::printing::Printer& printer)
{
    TReportExpenseQR holder;
    openSelected(holder.ReportADOQuery, FSelection.connection, reportstatements::selectedExpenses,
                 FSelection.expenseIds);
    holder.Report.element("QRPayDateName").field = "paydate";
    holder.Report.element("QRItemName").field = "item";
    holder.Report.element("QRAmountName").field = "amount";
    return printCopies(printer, holder.Report, &holder.ReportADOQuery);
}
