#pragma once

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialog>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

// Stand-in for the event editor until it is built: it carries the fields that the day and
// week views fill before they show it, and no behaviour.
class TNewEventForm : public QDialog
{
public:
    explicit TNewEventForm(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName("NewEventForm");
        resize(442, 383);
        EventMemo = new QPlainTextEdit(this);
        EventMemo->setObjectName("EventMemo");
        EventMemo->setGeometry(28, 39, 291, 73);
        starth_cb = numberList("starth_cb", 24, 62, 117);
        startm_cb = numberList("startm_cb", 60, 118, 117);
        endh_cb = numberList("endh_cb", 24, 188, 117);
        endm_cb = numberList("endm_cb", 60, 248, 117);
        StartDateTimePicker = picker("StartDateTimePicker", 58, 155);
        EndDateTimePicker = picker("EndDateTimePicker", 190, 155);
        SelectDatePicker = new QDateEdit(this);
        SelectDatePicker->setObjectName("SelectDatePicker");
        SelectDatePicker->setGeometry(98, 177, 139, 24);
    }

    QString FEditMode;
    int FEventId = 0;
    QDate FCurrentDate;
    int FSelRow = 0;
    int FSelCol = 0;

    QPlainTextEdit* EventMemo;
    QComboBox* starth_cb;
    QComboBox* startm_cb;
    QComboBox* endh_cb;
    QComboBox* endm_cb;
    // Hidden: they hold the event's whole start and end.
    QDateTimeEdit* StartDateTimePicker;
    QDateTimeEdit* EndDateTimePicker;
    QDateEdit* SelectDatePicker;

    void LocateCurrentCell() {}

private:
    // "00", "01", ... so that an item's index is its number.
    QComboBox* numberList(const char* name, int count, int x, int y)
    {
        auto* list = new QComboBox(this);
        list->setObjectName(name);
        QStringList items;
        for (int i = 0; i < count; ++i)
            items << QString::asprintf("%02d", i);
        list->addItems(items);
        list->setGeometry(x, y, 45, 21);
        return list;
    }

    QDateTimeEdit* picker(const char* name, int x, int y)
    {
        auto* edit = new QDateTimeEdit(this);
        edit->setObjectName(name);
        edit->setDisplayFormat("HH : mm");
        edit->move(x, y);
        edit->hide();
        return edit;
    }
};
