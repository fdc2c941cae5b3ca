#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TNewEventForm : public QDialog
{
public:
    explicit TNewEventForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("NewEventForm"); }
};
