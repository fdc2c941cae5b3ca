#pragma once

#include <QDialog>

// Created at start with the other forms; nothing shows it.
class TSelectDirectForm : public QDialog
{
public:
    explicit TSelectDirectForm(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName("SelectDirectForm");
    }
};
