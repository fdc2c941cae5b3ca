#include "app/Forms.h"

#include "app/MainDesktopForm.h"
#include "app/SelectDirectForm.h"
#include "reader/ReaderForm.h"
#include "reports/PrintForm.h"

QPointer<TMainDesktopForm> MainDesktopForm;
QPointer<TSelectDirectForm> SelectDirectForm;
QPointer<TForm1> Form1;
QPointer<TPrintForm> PrintForm;
