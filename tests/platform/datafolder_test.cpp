#include "platform/datafolder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(DataFolder, BesideAProgramRunWhereItWasBuiltOrUnpackedElseTheUsersFolder)
{
    QTemporaryDir root; // an installed copy has its metadata beside its bin folder
    for (const char* folder : {"usr/bin", "usr/share/metainfo", "build/bin", "build/share/x"})
        QDir(root.path()).mkpath(folder);
    writeFile(root.filePath("usr/share/metainfo/org.varnholt.Varnholt.metainfo.xml"), "<c/>");
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
