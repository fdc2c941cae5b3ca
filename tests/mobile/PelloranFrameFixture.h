#pragma once

#include "mobile/PelloranFrame.h"
#include "mobile/SyncFileList.h"
#include "platform/IniFile.h"
#include "platform/SystemInfo.h"
#include "support/TessaryTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <memory>

// The sync view on its own, opened as the desktop frame's Synchronize button opens it.
class PelloranFrameFixture : public TessaryTest
{
protected:
    PelloranFrameFixture() : frame(std::make_unique<TPelloranFrame>(nullptr))
    {
        frame->resize(1000, 700);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->LoadProfiles();
    }

    QString iniPath() const { return programFolder() + "Pelloran.ini"; }

    // Shows the pair as a profile would: `mobile` is an absolute folder on the Mobile Disk.
    void setPair(const QString& pc, const QString& mobile, int direction, bool subFolders)
    {
        frame->edtPC->setText(pc);
        frame->edtUsb->setText(mobileRelativeFolder(platform::sys::driveRoot(), mobile));
        frame->cbDirect->setCurrentIndex(direction);
        frame->ckbSubDir->setChecked(subFolders);
    }

    int rowOf(const QString& name) const
    {
        const auto& rows = frame->fileList()->rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].Name == name)
                return int(i);
        return -1;
    }

    const TSyncRow& row(const QString& name) const
    {
        const int at = rowOf(name);
        EXPECT_GE(at, 0) << name.toStdString();
        return frame->fileList()->rows().at(std::size_t(std::max(at, 0)));
    }

    // Presses the mouse on a row of the file list, as the user deselects or selects it.
    void pressRow(const QString& name)
    {
        const QModelIndex index = frame->fileList()->index(rowOf(name), 3);
        frame->lvFiles->scrollTo(index);
        QTest::mousePress(frame->lvFiles->viewport(), Qt::LeftButton, {},
                          frame->lvFiles->visualRect(index).center());
    }

    // Double-clicks a row of the file list as the window system delivers it: a press, a release,
    // then the second press as the double-click.
    void doubleClickRow(const QString& name)
    {
        const QModelIndex index = frame->fileList()->index(rowOf(name), 3);
        frame->lvFiles->scrollTo(index);
        const QPoint at =
            frame->lvFiles->viewport()->mapTo(frame.get(), frame->lvFiles->visualRect(index).center());
        QTest::mouseDClick(frame->windowHandle(), Qt::LeftButton, {}, at);
    }

    QStringList shownMessages() const
    {
        QStringList texts;
        for (const auto& message : dialogs.messages)
            texts.append(message.text);
        return texts;
    }

    std::unique_ptr<TPelloranFrame> frame;
};
