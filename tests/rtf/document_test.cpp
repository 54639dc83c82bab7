#include "rtftestsupport.h"

#include "platform/linesink.h"
#include "rtf/reader.h"
#include "support/tempfolder.h"
#include "ui/document.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>

namespace {

constexpr const char *license = "{\\rtf1\\ansi{\\b Licence}\\par Caf\\'e9}";

class DocumentTest : public ::testing::Test
{
protected:
    Document::ResourceFolder resources() const
    {
        return [path = folder.path()] { return std::optional<QString>(path); };
    }

    TempFolder folder;
};

TEST_F(DocumentTest, startsEmpty)
{
    const Document document(resources());
    EXPECT_TRUE(document.data().empty());
}

TEST_F(DocumentTest, loadsTheRtfResourceAndAnnouncesTheChangeFirst)
{
    folder.writeFile(QStringLiteral("License.rtf"), license);
    Document document(resources());
    bool emptyWhenAnnounced = false;
    QObject::connect(&document, &Document::objectWillChange,
                     [&] { emptyWhenAnnounced = document.data().empty(); });
    QSignalSpy spy(&document, &Document::objectWillChange);
    linesink::Capture capture;
    document.load(QStringLiteral("License"));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(emptyWhenAnnounced);
    EXPECT_EQ(document.data().plainText(), "Licence\nCafé");
    EXPECT_TRUE(document.data().paragraphs[0].runs[0].format.bold);
    EXPECT_TRUE(capture.lines().isEmpty());
}

struct FailureRow
{
    const char *name;
    // Lays out the failure in the resource folder; returns the expected line.
    std::function<QString(TempFolder &)> arrange;
};

void PrintTo(const FailureRow &row, std::ostream *out)
{
    *out << row.name;
}

class DocumentFailure : public DocumentTest, public ::testing::WithParamInterface<FailureRow>
{
};

// Whatever goes wrong, exactly one line says so and the text already shown
// stays as it was.
TEST_P(DocumentFailure, writesOneLineAndKeepsData)
{
    folder.writeFile(QStringLiteral("Good.rtf"), license);
    Document document(resources());
    document.load(QStringLiteral("Good"));
    const rtf::FormattedText before = document.data();
    ASSERT_FALSE(before.empty());

    const QString expected = GetParam().arrange(folder);
    QSignalSpy spy(&document, &Document::objectWillChange);
    linesink::Capture capture;
    // A load that blocks would hang the window; here it fails the test.
    auto loading = std::async(std::launch::async, [&] { document.load(QStringLiteral("Bad")); });
    if (loading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "the load blocked";
        std::abort(); // the blocked thread cannot be abandoned safely
    }
    EXPECT_EQ(capture.lines(), QStringList{expected});
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(document.data(), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, DocumentFailure, ::testing::Values(
    FailureRow{"missingFile", [](TempFolder &) { return QStringLiteral("File not found"); }},
    FailureRow{"otherExtensionOnly", [](TempFolder &folder) {
        folder.writeFile(QStringLiteral("Bad.txt"), license);
        folder.writeFile(QStringLiteral("Bad"), license);
        return QStringLiteral("File not found");
    }},
    FailureRow{"danglingLink", [](TempFolder &folder) {
        QFile::link(folder(QStringLiteral("nowhere.rtf")), folder(QStringLiteral("Bad.rtf")));
        return QStringLiteral("File not found");
    }},
    FailureRow{"notRtf", [](TempFolder &folder) {
        const QString path = folder.writeFile(QStringLiteral("Bad.rtf"), "Plain words, no RTF.");
        return QStringLiteral("cannot read %1: The file is not an RTF document, as it does not start with {\\rtf.").arg(path);
    }},
    FailureRow{"emptyFile", [](TempFolder &folder) {
        const QString path = folder.writeFile(QStringLiteral("Bad.rtf"), "");
        return QStringLiteral("cannot read %1: The file is empty.").arg(path);
    }},
    FailureRow{"folderInsteadOfFile", [](TempFolder &folder) {
        const QString path = folder.makeFolder(QStringLiteral("Bad.rtf"));
        return QStringLiteral("cannot read %1: it is not a regular file").arg(path);
    }},
    FailureRow{"namedPipe", [](TempFolder &folder) {
        // Opening a pipe with no writer would block for ever.
        const QString path = folder(QStringLiteral("Bad.rtf"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return QStringLiteral("cannot read %1: it is not a regular file").arg(path);
    }},
    FailureRow{"linkToTheKernelLog", [](TempFolder &folder) {
        // Reading /proc/kmsg waits for the next kernel message, for ever.
        const QString path = folder(QStringLiteral("Bad.rtf"));
        EXPECT_TRUE(QFile::link(QStringLiteral("/proc/kmsg"), path));
        const int probe = ::open("/proc/kmsg", O_RDONLY | O_NONBLOCK);
        const QString reason = probe >= 0 ? QStringLiteral("it is not on a regular file system")
                                          : QString::fromLocal8Bit(std::strerror(errno));
        if (probe >= 0)
            ::close(probe);
        return QStringLiteral("cannot read %1: %2").arg(path, reason);
    }},
    FailureRow{"tooLarge", [](TempFolder &folder) {
        const QString path = folder.writeFile(QStringLiteral("Bad.rtf"), license);
        // Sparse: no disk space is used.
        EXPECT_TRUE(QFile::resize(path, Document::maxFileSize + 1));
        return QStringLiteral("cannot read %1: the file is larger than 64 MiB").arg(path);
    }}
), rowName<FailureRow>);

TEST_F(DocumentTest, unreadableFileNamesTheCause)
{
    const QString path = folder.writeFile(QStringLiteral("Locked.rtf"), license);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    // The folder must be reachable for the unprivileged user the check runs as.
    QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther);
    const auto check = [&] {
        Document document(resources());
        linesink::Capture capture;
        document.load(QStringLiteral("Locked"));
        return capture.lines().join(u'|') + (document.data().empty() ? QStringLiteral(" (empty)") : QString());
    };
    // Root reads every file, so the load runs as "nobody" there.
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    EXPECT_TRUE(result.startsWith(QStringLiteral("cannot read ") + path + u':')) << result.toStdString();
    EXPECT_TRUE(result.endsWith(QStringLiteral("Permission denied (empty)"))) << result.toStdString();
    EXPECT_EQ(result.count(u'|'), 0) << "one line";
}

TEST_F(DocumentTest, noResourceFolderIsFileNotFound)
{
    Document document([] { return std::optional<QString>(); });
    linesink::Capture capture;
    document.load(QStringLiteral("VeltranoEULA"));
    EXPECT_EQ(capture.lines(), QStringList{QStringLiteral("File not found")});
    EXPECT_TRUE(document.data().empty());
}

TEST_F(DocumentTest, oneLinePerDocumentWhenTheLicenseIsMissing)
{
    linesink::Capture capture;
    Document first(resources());
    Document second(resources());
    first.load(QStringLiteral("VeltranoEULA"));
    second.load(QStringLiteral("VeltranoEULA"));
    EXPECT_EQ(capture.lines(), (QStringList{QStringLiteral("File not found"), QStringLiteral("File not found")}));
}

TEST_F(DocumentTest, bundledLicenseLoads)
{
    Document document([] { return std::optional<QString>(QStringLiteral(VELTRANO_BUNDLE_DIR "/Contents/Resources")); });
    linesink::Capture capture;
    document.load(QStringLiteral("VeltranoEULA"));
    EXPECT_TRUE(capture.lines().isEmpty()) << capture.lines().join(u'\n').toStdString();
    EXPECT_NE(document.data().plainText().find("LICENSE AGREEMENT"), std::string::npos);
}

struct TranslatedRow
{
    const char *name;
    QStringList languages;
    // Lays out the bundle; returns the lines the load should write, given
    // the folder's path.
    std::function<QStringList(TempFolder &)> arrange;
    // The text of the file that should load, or "" for none.
    const char *loaded;
};

void PrintTo(const TranslatedRow &row, std::ostream *out)
{
    *out << row.name;
}

class TranslatedLicense : public DocumentTest, public ::testing::WithParamInterface<TranslatedRow>
{
};

// Each file holds its own folder's name, so the loaded text says which it was.
QString writeLicense(TempFolder &folder, const QString &language)
{
    const QString relative = language.isEmpty() ? QStringLiteral("License.rtf") : language + QStringLiteral(".lproj/License.rtf");
    return folder.writeFile(relative, "{\\rtf1 " + (language.isEmpty() ? QByteArray("base") : language.toUtf8()) + '}');
}

// A translation is taken in the user's order, and one that is missing or
// cannot be read gives way to the next and finally to the base file.
TEST_P(TranslatedLicense, loadsTheBestReadableMatch)
{
    const TranslatedRow &row = GetParam();
    const QStringList expectedLines = row.arrange(folder);
    const auto check = [&] {
        Document document(resources(), row.languages);
        linesink::Capture capture;
        document.load(QStringLiteral("License"));
        return (QStringList{QString::fromStdString(document.data().plainText())} + capture.lines()).join(u'|');
    };
    // Root reads every file, so the load runs as "nobody" there; the folder
    // must be reachable for that user.
    for (const QString &path : {folder.path(), folder(QStringLiteral("de.lproj"))})
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOther | QFileDevice::ReadOther);
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    EXPECT_EQ(result.toStdString(), (QStringList{QString::fromUtf8(row.loaded)} + expectedLines).join(u'|').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Rows, TranslatedLicense, ::testing::Values(
    TranslatedRow{"regionalBeforeBare", {"pt_BR", "pt"}, [](TempFolder &folder) {
        for (const char *language : {"", "pt", "pt_BR"})
            writeLicense(folder, QString::fromUtf8(language));
        return QStringList();
    }, "pt_BR"},
    TranslatedRow{"bareWhenNoRegional", {"pt_BR", "pt"}, [](TempFolder &folder) {
        writeLicense(folder, {});
        writeLicense(folder, QStringLiteral("pt"));
        return QStringList();
    }, "pt"},
    TranslatedRow{"userOrderBeforeFolderOrder", {"de_DE", "de", "fr_FR", "fr"}, [](TempFolder &folder) {
        for (const char *language : {"", "fr", "de"})
            writeLicense(folder, QString::fromUtf8(language));
        return QStringList();
    }, "de"},
    TranslatedRow{"noTranslationOfTheUsersLanguage", {"ja_JP", "ja"}, [](TempFolder &folder) {
        writeLicense(folder, {});
        writeLicense(folder, QStringLiteral("de"));
        return QStringList();
    }, "base"},
    TranslatedRow{"danglingLinkIsMissing", {"de"}, [](TempFolder &folder) {
        writeLicense(folder, {});
        folder.makeFolder(QStringLiteral("de.lproj"));
        QFile::link(folder(QStringLiteral("nowhere.rtf")), folder(QStringLiteral("de.lproj/License.rtf")));
        return QStringList();
    }, "base"},
    TranslatedRow{"brokenTranslationFallsBack", {"de_AT", "de"}, [](TempFolder &folder) {
        writeLicense(folder, {});
        const QString path = folder.writeFile(QStringLiteral("de.lproj/License.rtf"), "Plain words, no RTF.");
        return QStringList{QStringLiteral("cannot read %1: The file is not an RTF document, as it does not start with {\\rtf.").arg(path)};
    }, "base"},
    TranslatedRow{"unreadableTranslationFallsBack", {"de"}, [](TempFolder &folder) {
        writeLicense(folder, {});
        const QString path = writeLicense(folder, QStringLiteral("de"));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        return QStringList{QStringLiteral("cannot read %1: Permission denied").arg(path)};
    }, "base"},
    TranslatedRow{"brokenTranslationWithoutBase", {"de"}, [](TempFolder &folder) {
        const QString path = folder.makeFolder(QStringLiteral("de.lproj/License.rtf"));
        return QStringList{QStringLiteral("cannot read %1: it is not a regular file").arg(path), QStringLiteral("File not found")};
    }, ""}
), rowName<TranslatedRow>);

} // namespace
