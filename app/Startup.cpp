#include "app/Startup.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/SelectDirectForm.h"
#include "desktop/UnreadableEvents.h"
#include "editors/AddressForm.h"
#include "editors/GoToForm.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "editors/NewGroupForm.h"
#include "platform/Application.h"

#include <QEvent>
#include <QTimer>
#include <functional>

namespace {

// Runs `work` once, from the event loop, after `window` has first been painted, and then `done`
// whether the work succeeded or not.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work, std::function<void()> done)
        : QObject(window), m_work(std::move(work)), m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                runGuarded(m_work);
                if (m_done)
                    m_done();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
    std::function<void()> m_done;
};

} // namespace

void CreateApplicationForms(std::function<void()> whenReady)
{
    Application::CreateForm(MainDesktopForm, nullptr, TMainDesktopForm::HiddenParts::AfterFirstFrame);
    new AfterFirstPaint(
        MainDesktopForm,
        [] {
            MainDesktopForm->buildHiddenParts();
            TDesktopFrame& frame = *MainDesktopForm->DesktopFrame;
            TADOConnection& connection = MainDesktopForm->ADOConnection;
            Application::CreateForm(GoToForm, frame);
            Application::CreateForm(NewEventForm, frame, connection);
            Application::CreateForm(MemoForm, frame, connection);
            Application::CreateForm(NewGroupForm);
            Application::CreateForm(NewExpenseForm, frame, connection);
            Application::CreateForm(AddressForm, frame, connection);
            Application::CreateForm(SelectDirectForm);
            unreadableevents::reportEventsWithoutDay(MainDesktopForm, MainDesktopForm->ADOConnection);
        },
        std::move(whenReady));
}
