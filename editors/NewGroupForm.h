#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TNewGroupForm : public QDialog
{
public:
    explicit TNewGroupForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("NewGroupForm"); }
};
