#pragma once

// The profile dialog: a profile's name, folder pair, direction and sub-folder flag. The sync
// view fills it, shows it modally and reads it back when it closes with OK.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TSyncDlg : public QDialog
{
    Q_OBJECT
public:
    // `mobileRoot`: the Mobile Disk root that the Mobile Disk picker keeps to.
    TSyncDlg(QWidget* owner, QString mobileRoot);

    void FormCreate();
    void LoadCaptions();
    void btnBrowse1Click();
    void btnBrowse2Click();
    // Closes with OK unless the profile name is refused, which is said and keeps the dialog open.
    void btnOKClick();

    // The checked direction item, -1 when none is.
    int directionIndex() const;
    void setDirectionIndex(int index);

    QLabel* lbProfileName;
    QLineEdit* edtProfilename;
    QLabel* lbPC;
    QLineEdit* edtPC;
    QPushButton* btnBrowse1;
    QLabel* lbMobile;
    QLineEdit* edtUsb;
    QPushButton* btnBrowse2;
    QGroupBox* rgDirect;
    QCheckBox* ckbSubDir;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void createComponents();
    void connectEvents();

    QButtonGroup* m_directions;
    QString m_mobileRoot;
};
