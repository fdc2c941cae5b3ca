#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    // The title names the program to the desktop; the window's caption is its own.
    TApplication::setApplicationName("Tessary 2.0");

    CreateApplicationForms();
    MainDesktopForm->showMaximized();

    const int result = TApplication::exec();
    Application::releaseForms();
    return result;
}
