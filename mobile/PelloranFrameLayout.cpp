// Form description of the sync view.
#include "common/widgets/AlignLayout.h"
#include "desktop/QuorvaneFrame.h"
#include "mobile/PelloranFrame.h"

void TPelloranFrame::createComponents()
{
    setObjectName("PelloranFrame1");
    resize(865, 516);

    ToolPanel = new QFrame(this);
    ToolPanel->setObjectName("ToolPanel");
    ToolPanel->setAutoFillBackground(true);
    QPalette pal = ToolPanel->palette();
    pal.setColor(QPalette::Window, QColor(0, 72, 125));
    ToolPanel->setPalette(pal);
    ToolPanel->resize(100, height());

    QuorvaneFrame1 = new TQuorvaneFrame(TQuorvaneFrame::Copy::SyncView, ToolPanel);
    alignChildren(ToolPanel, {{QuorvaneFrame1, Align::Client}});

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");

    alignChildren(this, {{ToolPanel, Align::Left}, {Panel2, Align::Client}});
}
