#include "install/installscript.h"
#include "install/privilegedrequest.h"
#include "script/compiler.h"

#include <gtest/gtest.h>

using helperprotocol::InstallFolder;
using helperprotocol::Request;
using helperprotocol::RequestKind;

namespace {

// The privileged commands of a composed install script, as the script host is handed them.
QStringList commandsOf(const QString &script)
{
    QStringList commands;
    const auto compiled = script::compile(script);
    if (const auto *program = std::get_if<script::Program>(&compiled))
        for (const script::Instruction &step : program->instructions)
            if (step.op == script::Instruction::Op::doShellScript)
                commands.append(step.expression.value);
    return commands;
}

QString kindsOf(const QStringList &commands, const Product::InstallTargets &targets)
{
    QString kinds;
    for (const QString &command : commands) {
        const auto mapped = privilegedrequest::requestFor(command, targets);
        const auto *request = std::get_if<Request>(&mapped);
        kinds += request ? QChar(char(request->kind)) : QChar(u'!');
    }
    return kinds;
}

} // namespace

// Real install scripts over hostile names and over the data folder the
// environment may give: root gets exactly the maker's and the plug-ins
// folder's own operations, every Lightroom command runs as the user.
TEST(PrivilegedRequest, ComposedScriptsBecomeTypedRequestsWhateverTheNamesAndFolders)
{
    const QStringList hostile{QStringLiteral("/b/Products/Softhaze 3/Evil \"$(touch c)\" `id` \\n Lightroom [name]"),
                              QStringLiteral("/b/Products/Softhaze 3/-rf $HOME > x; y")};
    const QStringList samples{QStringLiteral("/b/Products/Softhaze 3/Softhaze 3 Plug-in"),
                              QStringLiteral("/home/u/.local/share/b/Products/Softhaze 4/Softhaze 4 Lightroom")};
    // M make, C copy, L link, W write, U as the user.
    const QString lightroom = QStringLiteral("CUUUUUWUUUU");
    const struct
    {
        const char *name;
        Product::InstallTargets targets;
        QStringList plan;
        QString kinds;
    } rows[] = {
        {"the samples, the bundle inside the user's data folder",
         Product::targetsFrom({QStringLiteral("/opt"), QStringLiteral("/usr/local/share"), QStringLiteral("/home/u/.local/share")}),
         samples, QStringLiteral("MMCL") + lightroom},
        {"XDG_DATA_HOME=/: the Lightroom folder is /Adobe/Lightroom, still the user's",
         Product::targetsFrom({QStringLiteral("/opt"), QStringLiteral("/usr/local/share"), QString()}), samples,
         QStringLiteral("MMCL") + lightroom},
        {"hostile names and folders",
         Product::targetsFrom({QStringLiteral("/o \"$x\""), QStringLiteral("/s/`id`"), QStringLiteral("/d/$(y)")}), hostile,
         QStringLiteral("M") + lightroom + QStringLiteral("MCL")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList commands = commandsOf(installscript::compose(row.targets, row.plan));
        EXPECT_EQ(kindsOf(commands, row.targets), row.kinds);
        for (const QString &command : commands) {
            const Request request = std::get<Request>(privilegedrequest::requestFor(command, row.targets));
            // Root's requests carry names, never where to write.
            if (request.kind == RequestKind::copyElement) {
                EXPECT_TRUE(row.plan.contains(QString::fromStdString(request.path))) << request.path;
            }
            if (request.kind == RequestKind::writeFile) {
                EXPECT_FALSE(request.path.starts_with('/')) << request.path;
                EXPECT_TRUE(request.path.ends_with("/Path.txt")) << request.path;
                EXPECT_TRUE(request.text.ends_with("\n"));
            }
            if (request.kind == RequestKind::userCommand) {
                EXPECT_EQ(QString::fromStdString(request.text), command);
            }
        }
    }
}

TEST(PrivilegedRequest, AnythingButTheInstallOperationsIsRefused)
{
    const Product::InstallTargets targets =
        Product::targetsFrom({QStringLiteral("/opt"), QStringLiteral("/usr/local/share"), QStringLiteral("/home/u/.local/share")});
    const char *refused[] = {
        "id",
        "touch /root/x",
        "sh -c 'mkdir -p /opt/Veltrano'",
        R"x(mkdir -p "/etc/Veltrano")x",
        R"x(mkdir -p "/opt/Veltrano/"; id)x",
        R"x(mkdir -p "/opt/Veltrano/" && id)x",
        R"x(mkdir -p "/opt/Veltrano/$(id)")x",
        R"x(cp -R -f "/b/x" "/etc")x",
        R"x(cp -R -f "/b/x/" "/opt/Veltrano/")x",
        R"x(cp -R -f "/b/$(id)" "/opt/Veltrano/")x",
        R"x(cp -R -f "relative" "/opt/Veltrano/")x",
        R"x(cp -R -f -L "/b/x" "/opt/Veltrano/")x",
        R"x(ln -f -h -s "/etc/shadow" "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/x")x",
        R"x(ln -f -h -s "/opt/Veltrano/x" "/usr/lib/x")x",
        R"x(ln -f -h -s "/opt/Veltrano/a/b" "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/a/b")x",
        R"x(echo "x" > "/etc/passwd")x",
        R"x(echo "x" > "/opt/Veltrano/../../etc/passwd")x",
        R"x(echo "x" >> "/opt/Veltrano/a/Path.txt")x",
        R"x(echo "x" 2> "/opt/Veltrano/a/Path.txt")x",
        R"x(echo "x" > "/opt/Veltrano/a/Path.txt" > "/etc/x")x",
        R"x(echo "$(id)" > "/opt/Veltrano/a/Path.txt")x",
        R"x(chown -R $USER "/opt/Veltrano/")x",
        R"x(mkdir -p "/home/u/.local/share/Adobe/Lightroom/../../../../../etc")x",
        R"x(cp -R -f "/b/x" "/opt/Veltrano/" "unclosed)x",
    };
    for (const char *command : refused) {
        const auto mapped = privilegedrequest::requestFor(QString::fromUtf8(command), targets);
        ASSERT_TRUE(std::holds_alternative<QString>(mapped)) << command;
        EXPECT_TRUE(std::get<QString>(mapped).contains(QString::fromUtf8(command))) << command;
    }
}
