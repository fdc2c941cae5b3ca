#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

// Still a plainly empty form: it carries what its callers set before showing it; the printer
// choice and the reports come later.
class TPrintForm : public QDialog
{
public:
    explicit TPrintForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("PrintForm"); }

    // "Date", "Address", "Memo" or "Expense"; any other text prints nothing.
    QString FReportKind;
    // The day whose schedule the "Date" report prints.
    QDate FPrintDate;
};
