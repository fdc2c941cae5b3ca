#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TNewExpenseForm : public QDialog
{
public:
    explicit TNewExpenseForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("NewExpenseForm"); }
};
