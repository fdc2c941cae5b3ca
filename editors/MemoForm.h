#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TMemoForm : public QDialog
{
public:
    explicit TMemoForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("MemoForm"); }
};
