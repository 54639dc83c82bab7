#include "rtftestsupport.h"

#include "rtf/dump.h"
#include "rtf/reader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct CorpusFile
{
    QString rtfPath;
    QString goldenPath;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Every RTF file of the corpus, plus the sample license of the bundle, each
// with its golden dump beside it in the corpus folder.
std::vector<CorpusFile> corpus()
{
    std::vector<CorpusFile> files;
    const QDir folder(rtfDataFolder());
    for (const QString &name : folder.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        const QString base = name.chopped(4);
        files.push_back({folder.filePath(name), folder.filePath(base + QStringLiteral(".jsonl"))});
    }
    files.push_back({QStringLiteral(VELTRANO_SOURCE_DIR "/resources/VeltranoEULA.rtf"),
                     folder.filePath(QStringLiteral("VeltranoEULA.jsonl"))});
    return files;
}

class CorpusTest : public ::testing::TestWithParam<CorpusFile>
{
};

// The reader's output for each file, paragraph by paragraph and run by run,
// compared byte for byte with a dump that was checked by eye against the file.
// VELTRANO_UPDATE_GOLDEN=1 rewrites the dumps after a deliberate change.
TEST_P(CorpusTest, readsAsTheGoldenDumpSays)
{
    const QByteArray rtfBytes = contents(GetParam().rtfPath);
    ASSERT_FALSE(rtfBytes.isEmpty()) << GetParam().rtfPath.toStdString();
    const std::string dump = rtf::toJsonLines(readOrFail(rtfBytes.toStdString()));
    if (qEnvironmentVariableIntValue("VELTRANO_UPDATE_GOLDEN") == 1) {
        QFile golden(GetParam().goldenPath);
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
        golden.write(dump.data(), qint64(dump.size()));
    }
    const QByteArray golden = contents(GetParam().goldenPath);
    ASSERT_FALSE(golden.isEmpty()) << "no golden dump " << GetParam().goldenPath.toStdString();
    EXPECT_EQ(dump, golden.toStdString());
}

std::string corpusName(const ::testing::TestParamInfo<CorpusFile> &info)
{
    std::string name = QFileInfo(info.param.rtfPath).baseName().toStdString();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, CorpusTest, ::testing::ValuesIn(corpus()), corpusName);

TEST(Corpus, holdsEveryDialect)
{
    const QStringList names = QDir(rtfDataFolder()).entryList({QStringLiteral("*.rtf")});
    for (const char *dialect : {"textedit", "word", "libreoffice"})
        EXPECT_TRUE(names.filter(QString::fromLatin1(dialect)).size() >= 1) << dialect;
}

TEST(Corpus, sampleLicenseKeepsHeadingsListAndAccents)
{
    const rtf::FormattedText text =
        readOrFail(contents(QStringLiteral(VELTRANO_SOURCE_DIR "/resources/VeltranoEULA.rtf")).toStdString());
    ASSERT_FALSE(text.empty());
    const rtf::Paragraph &title = text.paragraphs.front();
    EXPECT_EQ(title.format.alignment, rtf::Alignment::Center);
    ASSERT_FALSE(title.runs.empty());
    EXPECT_TRUE(title.runs.front().format.bold);
    int listItems = 0;
    for (const rtf::Paragraph &paragraph : text.paragraphs)
        listItems += paragraph.listMarker.empty() ? 0 : 1;
    EXPECT_GE(listItems, 3);
    const std::string plain = text.plainText();
    for (const char *expected : {"Français", "Zürich", "“Agree”", "—"})
        EXPECT_NE(plain.find(expected), std::string::npos) << expected;
}

} // namespace
