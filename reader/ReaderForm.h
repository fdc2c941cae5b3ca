#pragma once

#include <QDialog>

// The RFID reader form; still a plainly empty form, its ports and command frames come later.
class TForm1 : public QDialog
{
public:
    explicit TForm1(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("Form1"); }
};
