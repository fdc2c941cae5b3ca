// Form description of the print dialog.
#include "reports/PrintForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

template <class W> W* make(QWidget* parent, const char* name, const QRect& place)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(place);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& caption)
{
    auto* text = new QLabel(caption, parent);
    text->setObjectName(name);
    text->setTextFormat(Qt::PlainText);
    text->move(x, y);
    text->adjustSize();
    return text;
}

QPushButton* button(QWidget* parent, const char* name, const QRect& place, const QString& caption)
{
    auto* pushButton = make<QPushButton>(parent, name, place);
    pushButton->setText(caption);
    // Enter has no meaning of its own in the dialog.
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

void TPrintForm::createComponents()
{
    setObjectName("PrintForm");
    setWindowTitle("Print");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(288, 241);
    QFont dialogFont("MS Sans Serif");
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    lePrinter = make<QGroupBox>(this, "lePrinter", {6, 6, 275, 89});
    lePrinter->setTitle("Printer");
    lePrinterName = label(lePrinter, "lePrinterName", 38, 26, "Name:");
    PrintComboBox = make<QComboBox>(lePrinter, "PrintComboBox", {88, 22, 171, 21});
    lePrinterState = label(lePrinter, "lePrinterState", 38, 56, "Status:");
    StatusLabel = label(lePrinter, "StatusLabel", 88, 56, "StatusLabel");

    leCopyOptions = make<QGroupBox>(this, "leCopyOptions", {6, 96, 275, 105});
    leCopyOptions->setTitle("Copy options");
    leNumberofCopy = label(leCopyOptions, "leNumberofCopy", 40, 36, "Number of copies");
    CopyEdit = make<QSpinBox>(leCopyOptions, "CopyEdit", {134, 32, 121, 21});
    CopyEdit->setRange(1, 99);
    CopyEdit->setValue(1);

    OKButton = button(this, "OKButton", {120, 210, 75, 25}, "&OK");
    CancelButton = button(this, "CancelButton", {206, 210, 75, 25}, "&Cancel");
}
