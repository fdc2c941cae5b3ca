#include "support/TessaryTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <string>

namespace {

void write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

struct Outcome
{
    int exitCode = -1;
    std::string faults;
};

Outcome run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardError().toStdString()};
}

Outcome checkLayers(const QString& root)
{
    return run(TESSARY_CHECK_LAYERS, {root});
}

bool holdsSources(const QString& folder)
{
    return QDirIterator(folder, {"*.cpp"}, QDir::Files, QDirIterator::Subdirectories).hasNext();
}

} // namespace

class CheckLayersTest : public TessaryTest
{
protected:
    const QString root = homeFolder() + "checkout/";
};

TEST_F(CheckLayersTest, AnIncludeOfAFolderNotBelowFailsInEachForm)
{
    write(root + "editors/Editor.h", "");
    write(root + "mobile/Sync.h", "");
    write(root + "desktop/Frame.cpp", "#include \"editors/Editor.h\"\n");
    write(root + "reports/Report.cpp", "#include <mobile/Sync.h>\n");
    write(root + "reader/Reader.cpp", "#include \"../mobile/Sync.h\"\n");
    write(root + "common/Shared.cpp", "#include \"../common/Shared.h\"\n#include <platform/Files.h>\n");

    const Outcome check = checkLayers(root);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.faults.find("desktop/Frame.cpp:1: desktop/ includes editors/"), std::string::npos)
        << check.faults;
    EXPECT_NE(check.faults.find("reports/Report.cpp:1: reports/ includes mobile/"), std::string::npos)
        << check.faults;
    EXPECT_NE(check.faults.find("reader/Reader.cpp:1: reader/ includes mobile/"), std::string::npos)
        << check.faults;
    EXPECT_EQ(check.faults.find("common/"), std::string::npos) << check.faults;
}

TEST_F(CheckLayersTest, BuildFoldersOfAnyNameAreNoSourceFoldersButAStrayOneIs)
{
    write(root + "CMakeLists.txt", "cmake_minimum_required(VERSION 3.25)\nproject(Checkout LANGUAGES CXX)\n");
    write(root + "platform/Files.cpp", "#include \"platform/Files.h\"\n");
    for (const QString build : {"out", "cmake-build-debug"}) {
        ASSERT_EQ(run("cmake", {"-S", root, "-B", root + build}).exitCode, 0);
        ASSERT_TRUE(holdsSources(root + build)) << build.toStdString();
    }
    const Outcome clean = checkLayers(root);
    EXPECT_EQ(clean.exitCode, 0) << clean.faults;

    write(root + "extra/Stray.cpp", "");
    const Outcome stray = checkLayers(root);
    EXPECT_EQ(stray.exitCode, 1);
    EXPECT_NE(stray.faults.find("extra/ holds sources but has no place"), std::string::npos) << stray.faults;
}
