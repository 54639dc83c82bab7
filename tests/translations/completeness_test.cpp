#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

QStringList translationSources()
{
    return QDir(QStringLiteral(VELTRANO_TRANSLATIONS_SOURCE_DIR))
        .entryList({QStringLiteral("veltrano_*.ts")}, QDir::Files, QDir::Name);
}

// "veltrano_pt_BR.ts" is the file of "pt_BR".
QString languageOf(const QString &fileName)
{
    return fileName.section(u'.', 0, 0).mid(QStringLiteral("veltrano_").size());
}

// What a .ts file says about its messages after lupdate has compared it with
// the code.
struct Findings
{
    QString language;
    QStringList untranslated;
    QStringList gone;
};

Findings read(const QString &path)
{
    Findings findings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return findings;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS")
            findings.language = xml.attributes().value(QStringLiteral("language")).toString();
        else if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            const QString where = context + QStringLiteral(": \"") + source + u'"';
            const QString text = xml.readElementText();
            if (type == u"vanished" || type == u"obsolete")
                findings.gone += where;
            else if (type == u"unfinished" || text.trimmed().isEmpty())
                findings.untranslated += where;
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << path.toStdString() << ": " << xml.errorString().toStdString();
    return findings;
}

class TranslationSource : public ::testing::TestWithParam<QString>
{
};

// lupdate, run over the sources into a copy of the shipped file, marks every
// text the code has and the file lacks as unfinished, and every translation
// whose text left the code as vanished.
TEST_P(TranslationSource, matchesTheCodeAndIsFinished)
{
    const QString name = GetParam();
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELTRANO_TRANSLATIONS_SOURCE_DIR "/") + name, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(VELTRANO_LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                                     QStringLiteral("none"), QStringLiteral(VELTRANO_SOURCE_DIR "/src"),
                                                     QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const Findings findings = read(copy);
    const QString language = languageOf(name);
    EXPECT_EQ(findings.language, language) << "the file's language attribute";
    EXPECT_TRUE(findings.untranslated.isEmpty())
        << "texts without a finished " << language.toStdString() << " translation:\n  "
        << findings.untranslated.join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(findings.gone.isEmpty()) << "translations of texts no longer in the code:\n  "
                                         << findings.gone.join(QStringLiteral("\n  ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslationSource, ::testing::ValuesIn(translationSources()),
                         [](const ::testing::TestParamInfo<QString> &info) {
                             return languageOf(info.param).toStdString();
                         });

} // namespace
