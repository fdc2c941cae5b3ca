#pragma once

#include <QDialog>

// Still a plainly empty form; its layout and behaviour come later.
class TAddressForm : public QDialog
{
public:
    explicit TAddressForm(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("AddressForm"); }
};
