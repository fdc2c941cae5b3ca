#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TGoToForm : public QDialog
{
public:
    explicit TGoToForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("GoToForm"); }
};
