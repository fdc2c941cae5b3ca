#pragma once

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "desktop/DesktopFrame.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/SystemInfo.h"
#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

// The main window over a temporary program folder, with standard folders of the user's own
// ("Dokumente" in HOME, "Bilder" outside it) and a folder the user adds, all holding files.
class DiskPagesFixture : public TessaryTest
{
protected:
    static inline const QDateTime Moment{QDate(2026, 12, 7), QTime(9, 15, 30, 250)};

    DiskPagesFixture()
    {
        platform::clock::setFixedNow(Moment);
        documents = homeFolder() + "/Dokumente";
        pictures = sourceRoot() + "/data/Bilder";
        projects = sourceRoot() + "/work/Projects";
        QDir().mkpath(homeFolder() + "/.config");
        QFile dirs(homeFolder() + "/.config/user-dirs.dirs");
        EXPECT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_PICTURES_DIR=\"" + pictures.toUtf8() + "\"\n");
    }

    ~DiskPagesFixture() override { Application::releaseForms(); }

    // Where the sources lie: beside the program folder, not in it.
    QString sourceRoot() const { return QFileInfo(programFolder() + "..").canonicalFilePath() + "/sources"; }

    void startForm(bool withDatabase = true)
    {
        if (withDatabase)
            createDatabase();
        form = std::make_unique<TMainDesktopForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        dialogs.messages.clear();
    }

    // The standard tree: depth, a hidden file, a link that is not followed, and a user folder.
    void makeSourceTree()
    {
        writeFile(documents + "/a.txt", "alpha", 1600000001);
        writeFile(documents + "/.hidden", "hidden", 1600000002);
        writeFile(documents + "/sub/b.txt", "bravo", 1600000003);
        writeFile(documents + "/sub/deeper/c.txt", "charlie", 1600000004);
        QFile::link(documents + "/a.txt", documents + "/link.txt");
        writeFile(pictures + "/p.png", "picture", 1600000005);
        writeFile(projects + "/x.txt", "x-ray", 1600000006);
    }

    static void writeFile(const QString& path, const QByteArray& data, qint64 modified)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(data);
        file.close();
        const struct timespec times[2] = {{modified, 0}, {modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static qint64 modifiedSeconds(const QString& path)
    {
        return QFileInfo(path).lastModified().toSecsSinceEpoch();
    }

    void addUserFolder(const QString& folder)
    {
        dialogs.queueFolder(folder);
        frame()->lvSyncs->setCurrentRow(0);
        frame()->lvSyncsDblClick();
    }

    TDesktopFrame* frame() const { return form->DesktopFrame; }
    QTreeWidget* rows() const { return frame()->ProcessListView; }
    QString backupFolder(const QString& name) const { return programFolder() + name; }

    static QStringList column(const QTreeWidget* list, int column)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(column);
        return texts;
    }

    static QStringList logLines(const QPlainTextEdit* log, const QString& start)
    {
        QStringList lines;
        for (const QString& line : log->toPlainText().split('\n'))
            if (line.startsWith(start))
                lines << line;
        return lines;
    }

    // Every file below folder, relative to it, sorted, with its content.
    static QMap<QString, QByteArray> contents(const QString& folder)
    {
        QMap<QString, QByteArray> files;
        for (const platform::files::FileEntry& entry : platform::files::listFiles(folder).files)
            files.insert(entry.path.mid(folder.size()), readFile(entry.path));
        return files;
    }

    QString documents;
    QString pictures;
    QString projects;
    std::unique_ptr<TMainDesktopForm> form;
};
