#include "platform/datafolder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(DataFolder, BesideAProgramRunWhereItWasBuiltOrUnpackedElseTheUsersFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("usr/bin");
    QDir(root.path()).mkpath("usr/share/metainfo");
    QDir(root.path()).mkpath("build/bin");
    QDir(root.path()).mkpath("build/share/applications"); // no metadata: not installed
    writeFile(root.filePath("usr/share/metainfo/org.varnholt.Varnholt.metainfo.xml"),
              "<component/>");
    const std::pair<const char*, const char*> cases[] = {
        {"usr/bin", "home/.local/share/Varnholt"},
        {"build/bin", "build/bin"},
        {"unpacked", "unpacked"},
    };
    for (const auto& [program, data] : cases)
        EXPECT_EQ(
            DataFolder::choose(root.filePath(program), root.filePath("home/.local/share/Varnholt")),
            root.filePath(data))
            << program;
}

} // namespace
