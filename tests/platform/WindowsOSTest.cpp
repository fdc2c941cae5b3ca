#include "platform/WindowsOS.h"

#include "platform/Registry.h"
#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace platform::version;

class WindowsOSTest : public TessaryTest
{
protected:
    ~WindowsOSTest() override { platform::registry::setMachineKeys({}); }
};

TEST_F(WindowsOSTest, ForceDirectoryPathMakesEveryMissingLevelAndNeverLoops)
{
    const QString base = programFolder() + "one";
    ForceDirectoryPath(base + "/two/three/");
    EXPECT_TRUE(QFileInfo(base + "/two/three").isDir());

    // Blanks and colons are ordinary in names here.
    ForceDirectoryPath(base + "/C: drive/x:y");
    EXPECT_TRUE(QFileInfo(base + "/C: drive/x:y").isDir());

    // Below a file nothing can be made; the call returns without a word.
    QFile file(base + "/plain");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ForceDirectoryPath(base + "/plain/sub/deeper");
    EXPECT_FALSE(QFileInfo::exists(base + "/plain/sub"));

    // Relative names and the root itself do nothing harmful.
    ForceDirectoryPath("/");
    ForceDirectoryPath(QString());
    const QString current = QDir::currentPath();
    QDir::setCurrent(programFolder());
    ForceDirectoryPath("r");
    QDir::setCurrent(current);
    EXPECT_TRUE(QFileInfo(programFolder() + "r").isDir());
}

TEST_F(WindowsOSTest, GetOSVersionInfoFallsBackToTheBasicRecordAndReportsRefusal)
{
    OsVersionInfo record;
    record.majorVersion = 5;
    record.minorVersion = 1;
    record.suiteMask = VER_SUITE_PERSONAL;

    setVersionInfo(record, Answer::Extended);
    OsVersionInfo info;
    ASSERT_TRUE(GetOSVersionInfo(info));
    EXPECT_EQ(info.osVersionInfoSize, OSVERSIONINFOEX_SIZE);
    EXPECT_EQ(info.suiteMask, VER_SUITE_PERSONAL);

    setVersionInfo(record, Answer::BasicOnly);
    ASSERT_TRUE(GetOSVersionInfo(info));
    EXPECT_EQ(info.osVersionInfoSize, OSVERSIONINFO_SIZE);
    EXPECT_EQ(info.majorVersion, 5u);
    EXPECT_EQ(info.suiteMask, 0);

    setVersionInfo(record, Answer::Refused);
    EXPECT_FALSE(GetOSVersionInfo(info));
    EXPECT_EQ(info.osVersionInfoSize, 0u);
}

TEST_F(WindowsOSTest, GetWindowsVersionNameNamesEachFamilyEditionAndServicePack)
{
    const auto record = [](unsigned platform, unsigned major, unsigned minor, int product, int suite,
                           const char* servicePack) {
        OsVersionInfo info;
        info.platformId = platform;
        info.majorVersion = major;
        info.minorVersion = minor;
        info.productType = static_cast<unsigned char>(product);
        info.suiteMask = static_cast<unsigned short>(suite);
        info.csdVersion = servicePack;
        info.buildNumber = 0x0A280A28; // only the low 16 bits show: 2600
        return info;
    };
    const int NT = VER_PLATFORM_WIN32_NT, W9X = VER_PLATFORM_WIN32_WINDOWS;
    const int WS = VER_NT_WORKSTATION, SRV = VER_NT_SERVER, DC = VER_NT_DOMAIN_CONTROLLER;
    const QString build = "\n(Build 2600)";
    const struct
    {
        OsVersionInfo info;
        Answer answer;
        bool hotfix;
        QString name;
    } cases[] = {
        {record(VER_PLATFORM_WIN32s, 3, 1, 0, 0, ""), Answer::Extended, false, "Microsoft Win32s"},
        {record(W9X, 4, 0, 0, 0, " C"), Answer::Extended, false, "Microsoft Windows 95 OSR2"},
        {record(W9X, 4, 0, 0, 0, " A"), Answer::Extended, false, "Microsoft Windows 95"},
        {record(W9X, 4, 10, 0, 0, " A"), Answer::Extended, false, "Microsoft Windows 98 SE"},
        {record(W9X, 4, 10, 0, 0, ""), Answer::Extended, false, "Microsoft Windows 98"},
        {record(W9X, 4, 90, 0, 0, ""), Answer::Extended, false, "Microsoft Windows Millennium Edition"},
        {record(W9X, 5, 0, 0, 0, ""), Answer::Extended, false, ""},
        {record(NT, 5, 1, WS, 0, "Service Pack 2"), Answer::Extended, false,
         "Microsoft Windows XP\nProfessional\nService Pack 2" + build},
        {record(NT, 5, 1, WS, VER_SUITE_PERSONAL, ""), Answer::Extended, false,
         "Microsoft Windows XP\nHome Edition\n" + build},
        {record(NT, 6, 0, WS, 0, ""), Answer::BasicOnly, false, "Microsoft Windows Vista\n" + build},
        {record(NT, 4, 0, WS, 0, "Service Pack 6"), Answer::Extended, true,
         "Microsoft Windows NT\nWorkstation 4.0\nService Pack 6a" + build},
        {record(NT, 4, 0, WS, 0, "Service Pack 6"), Answer::Extended, false,
         "Microsoft Windows NT\nWorkstation 4.0\nService Pack 6" + build},
        {record(NT, 5, 2, SRV, VER_SUITE_DATACENTER | VER_SUITE_ENTERPRISE, ""), Answer::Extended, false,
         "Microsoft Windows Server 2003\nDatacenter Edition\n" + build},
        {record(NT, 5, 2, SRV, VER_SUITE_ENTERPRISE, ""), Answer::Extended, false,
         "Microsoft Windows Server 2003\nEnterprise Edition\n" + build},
        {record(NT, 5, 2, SRV, VER_SUITE_BLADE, ""), Answer::Extended, false,
         "Microsoft Windows Server 2003\nWeb Edition\n" + build},
        {record(NT, 5, 2, SRV, VER_SUITE_BLADE | 0x0010, ""), Answer::Extended, false,
         "Microsoft Windows Server 2003\nStandard Edition\n" + build},
        {record(NT, 5, 0, SRV, VER_SUITE_DATACENTER, ""), Answer::Extended, false,
         "Microsoft Windows 2000\nDatacenter Server\n" + build},
        {record(NT, 5, 0, SRV, VER_SUITE_ENTERPRISE, ""), Answer::Extended, false,
         "Microsoft Windows 2000\nAdvanced Server\n" + build},
        {record(NT, 5, 0, SRV, 0, ""), Answer::Extended, false, "Microsoft Windows 2000\nServer\n" + build},
        {record(NT, 6, 1, SRV, VER_SUITE_ENTERPRISE, ""), Answer::Extended, false,
         "Microsoft Windows NT\nServer 6.1, Enterprise Edition\n" + build},
        {record(NT, 5, 0, DC, 0, "SP"), Answer::Extended, false, "Microsoft Windows 2000\nSP" + build},
        {record(NT, 5, 1, WS, 0, ""), Answer::Refused, false, ""},
        {record(7, 5, 1, WS, 0, ""), Answer::Extended, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        setVersionInfo(c.info, c.answer);
        platform::registry::setMachineKeys(
            c.hotfix ? QStringList{"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009"}
                     : QStringList{});
        EXPECT_EQ(GetWindowsVersionName(), c.name);
    }
}
