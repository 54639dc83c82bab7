#include "install/installscript.h"

#include "catalogue/elementkind.h"

#include <map>

namespace installscript {
namespace {

using Values = std::map<QStringView, QString>;

// Replaces every [key] of `pattern` by its value in one pass, so that a value
// that happens to contain "[name]" is never expanded again.
QString fill(QStringView pattern, const Values &values)
{
    QString out;
    out.reserve(pattern.size() + 256);
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'[', pos);
        if (open < 0)
            break;
        const qsizetype close = pattern.indexOf(u']', open);
        const auto found = close < 0 ? values.end() : values.find(pattern.mid(open + 1, close - open - 1));
        if (found == values.end()) {
            out += pattern.mid(pos, open + 1 - pos);
            pos = open + 1;
            continue;
        }
        out += pattern.mid(pos, open - pos);
        out += found->second;
        pos = close + 1;
    }
    out += pattern.mid(pos);
    return out;
}

constexpr QStringView makerFolderLine =
    uR"(do shell script "mkdir -p \"[appVeltrano]\"" with administrator privileges)";
constexpr QStringView pluginsFolderLine =
    uR"(do shell script "mkdir -p \"[appSuppVeltrano]\"" with administrator privileges)";

// The second line keeps its two blanks before "with".
constexpr QStringView plainEntryLines =
    uR"(do shell script "cp -R -f \"[element]\" \"[appVeltrano]\"" with administrator privileges
do shell script "ln -f -h -s \"[appVeltrano][name]\" \"[appSuppVeltrano][name]\""  with administrator privileges
)";

// Commands 6 and 7 keep their two blanks before "with"; command 8 spans
// three lines through the preset text.
constexpr QStringView lightroomBlock =
    uR"(do shell script "cp -R -f \"[element]\" \"[appVeltrano]\"" with administrator privileges
do shell script "mkdir -p \"[userAppSuppLR]External Editor Presets/Veltrano/\"" with administrator privileges
do shell script "mkdir -p \"[userAppSuppLR]Export Presets/Veltrano Softhaze [digit]/\"" with administrator privileges
do shell script "cp -R -f \"[appVeltrano][name]/Veltrano Softhaze [digit]/\" \"[userAppSuppLR]Export Presets/Veltrano Softhaze [digit]/\"" with administrator privileges
do shell script "mkdir -p \"[userAppSuppLR]Modules/\"" with administrator privileges
do shell script "ln -f -h -s \"[appVeltrano][name]/softhaze[digit].lrdevplugin\" \"[userAppSuppLR]Modules/\""  with administrator privileges
do shell script "echo \"[appVeltrano][name]\" > \"[appVeltrano][name]/softhaze[digit].lrdevplugin/Path.txt\""  with administrator privileges
do shell script "echo \"[presetText]\" > \"[userAppSuppLR]External Editor Presets/Veltrano/Veltrano Softhaze [digit].lrtemplate\"" with administrator privileges
do shell script "chown -R $USER \"[userAppSuppLR]External Editor Presets/Veltrano/\"" with administrator privileges
do shell script "chown -R $USER \"[userAppSuppLR]Export Presets/Veltrano Softhaze [digit]/\"" with administrator privileges
do shell script "chown -R $USER \"[userAppSuppLR]Modules/\"" with administrator privileges
)";

constexpr QStringView presetText =
    uR"(s = {id = \\\"[presetId]\\\",internalName = \\\"Veltrano Softhaze [digit]\\\",title = \\\"Veltrano Softhaze [digit]\\\",type = \\\"ExternalEditor\\\",value = {
externalEditingFormat = \\\"TIFF_None_16_ProPhotoRGB\\\",externalEditingFormat_dpi = 240,externalEditorFullPath = \\\"[appVeltrano][name]/Softhaze[digit].app\\\",
},version = 0,})";

constexpr QStringView wrapperEnd = uR"(
on error errMsg
return errMsg
end try
return "Ok")";

QString lastComponent(const QString &path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// `value` for a quoted Lua string, as the preset file holds it: a quote or
// backslash escaped, a line break written as its escape (a raw one ends the
// string for Lua).
QString luaEscaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            if (c == u'\\' || c == u'"')
                out += u'\\';
            out += c;
        }
    }
    return out;
}

} // namespace

QString shellEscaped(const QString &value)
{
    QString shell;
    shell.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\' || c == u'"' || c == u'$' || c == u'`')
            shell += u'\\';
        shell += c;
    }
    return shell;
}

QString pasteValue(const QString &value)
{
    const QString shell = shellEscaped(value);
    QString literal;
    literal.reserve(shell.size());
    for (const QChar c : shell) {
        if (c == u'\\' || c == u'"')
            literal += u'\\';
        literal += c;
    }
    return literal;
}

QString compose(const Product::InstallTargets &targets, const QStringList &plan)
{
    Values values{
        {u"appVeltrano", pasteValue(targets.appVeltrano)},
        {u"appSuppVeltrano", pasteValue(targets.appSuppVeltrano)},
        {u"userAppSuppLR", pasteValue(targets.userAppSuppLR)},
    };
    QString body = fill(makerFolderLine, values) + u'\n';
    bool pluginsFolderWritten = false;
    for (const QString &element : plan) {
        values[u"element"] = pasteValue(element);
        values[u"name"] = pasteValue(lastComponent(element));
        if (const ElementKind kind = kindOf(element); kind.lightroom) {
            const bool three = kind.digit == 3;
            values[u"digit"] = QString::number(kind.digit);
            values[u"presetId"] = three ? QStringLiteral("48C1AC0C-58BB-4E36-82DD-F146866B8164")
                                        : QStringLiteral("E70E900E-6A66-4882-B59A-2B05764B1430");
            Values preset = values;
            preset[u"appVeltrano"] = pasteValue(luaEscaped(targets.appVeltrano));
            preset[u"name"] = pasteValue(luaEscaped(lastComponent(element)));
            values[u"presetText"] = fill(presetText, preset);
            body += fill(lightroomBlock, values);
        } else {
            if (!pluginsFolderWritten) {
                body += fill(pluginsFolderLine, values) + u'\n';
                pluginsFolderWritten = true;
            }
            body += fill(plainEntryLines, values);
        }
    }
    return QStringLiteral("try\n") + body + wrapperEnd.toString();
}

QString accessProbe()
{
    const QString indent(12, u' ');
    const QStringList lines{
        QStringLiteral("try"),     QStringLiteral("tell application \"Finder\""),
        QStringLiteral("set pathAppSupp to path to application support"),
        QStringLiteral("return 1"), QStringLiteral("end tell"),
        QStringLiteral("on error errMsg"), QStringLiteral("return 0"),
        QStringLiteral("end try"),
    };
    QString probe;
    for (const QString &line : lines) {
        if (!probe.isEmpty())
            probe += u'\n';
        probe += indent + line;
    }
    return probe;
}

} // namespace installscript
