#pragma once

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "desktop/DesktopFrame.h"
#include "platform/Clock.h"
#include "platform/Database.h"
#include "support/TessaryTest.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

// Closes the next modal dialog as soon as it is up, so code that calls exec() runs on; gives
// up after a deadline so that a dialog that never comes cannot hang the test.
class ModalCloser
{
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_closed = modal;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            } else if (!m_deadline.hasExpired()) {
                return;
            }
            m_timer.stop();
        });
        m_timer.start(5);
    }
    QWidget* closed() const { return m_closed.data(); }
    bool closedAny() const { return m_closed; }

private:
    QTimer m_timer;
    QDeadlineTimer m_deadline{5000};
    QPointer<QWidget> m_closed;
};

// A real main window on a fresh database, today fixed to Wednesday 6 March 2024.
class CalendarViewTest : public TessaryTest
{
protected:
    static inline const QDate Today{2024, 3, 6};

    CalendarViewTest()
    {
        createDatabase();
        platform::clock::setFixedNow(QDateTime(Today, QTime(8, 0)));
        form = std::make_unique<TMainDesktopForm>();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        frame = form->DesktopFrame;
    }
    ~CalendarViewTest() override
    {
        form.reset();
        Application::releaseForms();
    }

    // The times as date-times, or as stored text.
    int addEvent(const QVariant& start, const QVariant& end, const QString& memo)
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add("insert into journal (jstarttime, jendtime, memo) values (:s, :e, :m)");
        query.ParamByName("s").Value = start;
        query.ParamByName("e").Value = end;
        query.ParamByName("m").Value = memo;
        query.ExecSQL();
        query.SQL.Clear();
        query.SQL.Add("select max(id) as id from journal");
        query.Open();
        return query.FieldByName("id").AsInteger();
    }
    int addEvent(const QDate& day, const QTime& start, const QTime& end, const QString& memo)
    {
        return addEvent(QDateTime(day, start), QDateTime(day, end), memo);
    }

    bool eventStored(int id)
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add("select count(*) as n from journal where id = :id");
        query.ParamByName("id").Value = id;
        query.Open();
        return query.FieldByName("n").AsInteger() == 1;
    }

    void showDay(const QDate& day)
    {
        frame->FCurrentDate = day;
        frame->ClearDayEvents();
        frame->BuildDayView(day);
    }

    static void deletePendingWidgets()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<TMainDesktopForm> form;
    TDesktopFrame* frame = nullptr;
};
