#include "app/DesktopWiring.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "mobile/PelloranFrame.h"
#include "reader/ReaderForm.h"
#include "reports/PrintForm.h"
#include "reports/PrintSelection.h"

DesktopWiring::DesktopWiring(TMainDesktopForm& main)
    : FrameEditors(*main.DesktopFrame, main.ADOConnection), m_main(main)
{
}

void DesktopWiring::print(const QDate& day, const QString& reportKind)
{
    TPrintForm* form = Application::CreateForm(PrintForm);
    form->FPrintDate = day;
    form->FReportKind = reportKind;
    form->FSelection = printSelectionOf(*m_main.DesktopFrame);
    form->exec();
}

void DesktopWiring::readerForm()
{
    Application::CreateForm(Form1)->exec();
}

void DesktopWiring::syncView()
{
    TPelloranFrame* syncView = m_main.PelloranFrame1;
    syncView->LoadProfiles();
    syncView->show();
}

void DesktopWiring::closeMainWindow()
{
    m_main.close();
}
