#include "script/helper/requestcheck.h"

#include <gtest/gtest.h>

using namespace helperprotocol;

// What the helper itself accepts, whoever sends the request: names only
// inside the folders it works out on its own.
TEST(RequestCheck, AcceptsPlainNamesInsideTheInstallFoldersAndRefusesTheRest)
{
    const std::string nul("a\0b", 3);
    const struct
    {
        const char *name;
        Request request;
        bool refused;
    } rows[] = {
        {"make the maker's folder", {RequestKind::makeFolder, InstallFolder::maker, {}, {}, {}, {}}, false},
        {"copy an element", {RequestKind::copyElement, InstallFolder::maker, "/b/Products/S 3/S 3 Plug-in", {}, {}, {}}, false},
        {"copy a hostile name", {RequestKind::copyElement, InstallFolder::maker, "/b/`id` $(x) \"q\"", {}, {}, {}}, false},
        {"copy a relative element", {RequestKind::copyElement, InstallFolder::maker, "Products/x", {}, {}, {}}, true},
        {"copy the root", {RequestKind::copyElement, InstallFolder::maker, "/", {}, {}, {}}, true},
        {"copy an element named ..", {RequestKind::copyElement, InstallFolder::maker, "/b/..", {}, {}, {}}, true},
        {"link an element", {RequestKind::linkElement, InstallFolder::maker, "S 3 Plug-in", {}, {}, {}}, false},
        {"link out with a path", {RequestKind::linkElement, InstallFolder::maker, "../../etc/x", {}, {}, {}}, true},
        {"link ..", {RequestKind::linkElement, InstallFolder::maker, "..", {}, {}, {}}, true},
        {"link nothing", {RequestKind::linkElement, InstallFolder::maker, "", {}, {}, {}}, true},
        {"link a name with NUL", {RequestKind::linkElement, InstallFolder::maker, nul, {}, {}, {}}, true},
        {"write Path.txt", {RequestKind::writeFile, InstallFolder::maker, "S 3 Lightroom/s3.lrdevplugin/Path.txt", "x\n", {}, {}}, false},
        {"write into the maker's folder itself", {RequestKind::writeFile, InstallFolder::maker, "Path.txt", "x", {}, {}}, true},
        {"write above the maker's folder", {RequestKind::writeFile, InstallFolder::maker, "../../etc/passwd", "x", {}, {}}, true},
        {"write through ..", {RequestKind::writeFile, InstallFolder::maker, "a/../../b", "x", {}, {}}, true},
        {"write by an absolute path", {RequestKind::writeFile, InstallFolder::maker, "/etc/passwd", "x", {}, {}}, true},
        {"write with an empty component", {RequestKind::writeFile, InstallFolder::maker, "a//b", "x", {}, {}}, true},
        {"give back an absolute folder", {RequestKind::giveBack, InstallFolder::maker, "/home/u/.local/share/Adobe/Lightroom/", {}, {}, {}}, false},
        {"give back a relative folder", {RequestKind::giveBack, InstallFolder::maker, "Adobe/Lightroom", {}, {}, {}}, true},
    };
    for (const auto &row : rows) {
        const auto refused = requestcheck::refusal(row.request);
        EXPECT_EQ(refused.has_value(), row.refused) << row.name << ": " << refused.value_or("accepted");
        if (refused) {
            EXPECT_NE(refused->find(nameOf(row.request.kind)), std::string::npos) << *refused;
        }
    }
}

TEST(RequestCheck, InstallFoldersComeFromTheHelpersOwnRoot)
{
    const struct
    {
        const char *root;
        const char *working;
        requestcheck::InstallFolders folders;
    } rows[] = {
        {"", "/anywhere", {"/opt/Veltrano", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano"}},
        {"/stage/", "/anywhere", {"/stage/opt/Veltrano", "/stage/usr/local/share/Adobe/Plug-Ins/CC/Veltrano"}},
        {"stage", "/work/", {"/work/stage/opt/Veltrano", "/work/stage/usr/local/share/Adobe/Plug-Ins/CC/Veltrano"}},
    };
    for (const auto &row : rows) {
        const auto folders = requestcheck::installFolders(row.root, row.working);
        EXPECT_EQ(folders.maker, row.folders.maker) << row.root;
        EXPECT_EQ(folders.plugins, row.folders.plugins) << row.root;
    }
}
