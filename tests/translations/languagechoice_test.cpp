#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct EnvironmentRow
{
    const char *name;
    QStringList environment;
    // The probe's answer: language, lookup order, "Next", Qt's "&Copy".
    const char *expected;
};

void PrintTo(const EnvironmentRow &row, std::ostream *out)
{
    *out << row.name;
}

std::string rowName(const ::testing::TestParamInfo<EnvironmentRow> &info)
{
    return info.param.name;
}

class LanguageChoice : public ::testing::TestWithParam<EnvironmentRow>
{
};

// The real lookup of the desktop's languages runs in a child process per
// row, as the system locale is read once per process.
TEST_P(LanguageChoice, followsTheEnvironment)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name == u"LANGUAGE" || name == u"LANG" || name.startsWith(u"LC_"))
            environment.remove(name);
    }
    for (const QString &setting : GetParam().environment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(VELTRANO_LANGUAGE_PROBE), {QStringLiteral(VELTRANO_BUNDLE_TRANSLATIONS)});
    ASSERT_TRUE(probe.waitForFinished(30000)) << probe.errorString().toStdString();
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageChoice, ::testing::Values(
    EnvironmentRow{"nothingSet", {}, "en\t\tNext\t&Copy"},
    EnvironmentRow{"cLocale", {"LANG=C.UTF-8"}, "en\t\tNext\t&Copy"},
    EnvironmentRow{"languageVariable", {"LANGUAGE=de"}, "de\tde_DE,de\tWeiter\t&Kopieren"},
    EnvironmentRow{"regionFallsBackToLanguage", {"LANG=de_AT.UTF-8"}, "de\tde_AT,de\tWeiter\t&Kopieren"},
    EnvironmentRow{"regionalTranslation", {"LANGUAGE=pt_BR"}, "pt_BR\tpt_BR,pt\tAvançar\t&Copiar"},
    EnvironmentRow{"otherRegionGetsEnglish", {"LANG=pt_PT.UTF-8"}, "en\tpt_PT,pt\tNext\t&Copy"},
    EnvironmentRow{"simplifiedChinese", {"LANGUAGE=zh_CN"}, "zh_CN\tzh_CN,zh\t下一步\t复制(&C)"},
    EnvironmentRow{"traditionalChineseGetsEnglish", {"LANG=zh_TW.UTF-8"}, "en\tzh_TW,zh\tNext\t&Copy"},
    EnvironmentRow{"bareChinese", {"LANGUAGE=zh"}, "zh_CN\tzh_CN,zh\t下一步\t复制(&C)"},
    EnvironmentRow{"singaporeSimplifiedChinese", {"LANG=zh_SG.UTF-8"}, "zh_CN\tzh_SG,zh_CN,zh\t下一步\t复制(&C)"},
    EnvironmentRow{"simplifiedScript", {"LANGUAGE=zh_Hans"}, "zh_CN\tzh_CN,zh\t下一步\t复制(&C)"},
    EnvironmentRow{"hongKongGetsEnglish", {"LANG=zh_HK.UTF-8"}, "en\tzh_HK,zh\tNext\t&Copy"},
    EnvironmentRow{"traditionalScriptGetsEnglish", {"LANGUAGE=zh_Hant"}, "en\tzh_TW,zh\tNext\t&Copy"},
    EnvironmentRow{"traditionalTaiwanGetsEnglish", {"LANGUAGE=zh_Hant_TW"}, "en\tzh_TW,zh\tNext\t&Copy"},
    EnvironmentRow{"simplifiedAfterTraditional", {"LANGUAGE=zh_TW:zh_CN"}, "zh_CN\tzh_TW,zh_CN,zh\t下一步\t复制(&C)"},
    EnvironmentRow{"english", {"LANG=en_US.UTF-8"}, "en\ten_US,en\tNext\t&Copy"},
    EnvironmentRow{"lcAllBeforeLang", {"LC_ALL=ja_JP.UTF-8", "LANG=de_DE.UTF-8"}, "ja\tja_JP,ja\t次へ\tコピー(&C)"},
    EnvironmentRow{"lcMessagesBeforeLang", {"LC_MESSAGES=ko_KR.UTF-8", "LANG=de_DE.UTF-8"}, "ko\tko_KR,ko\t다음\t복사(&C)"},
    EnvironmentRow{"languageBeforeLang", {"LANGUAGE=it", "LANG=es_ES.UTF-8"}, "it\tit_IT,it\tAvanti\t&Copia"},
    EnvironmentRow{"unshippedLanguageSkipped", {"LANGUAGE=nl:fr"}, "fr\tnl_NL,nl,fr_FR,fr\tSuivant\tCop&ier"},
    EnvironmentRow{"englishBeforeAShippedLanguage", {"LANGUAGE=en_GB:de"}, "en\ten_GB,en\tNext\t&Copy"},
    EnvironmentRow{"latinAmericanSpanish", {"LANG=es_MX.UTF-8"}, "es\tes_MX,es\tSiguiente\t&Copiar"},
    // No name that could lead a resource lookup out of its folder.
    EnvironmentRow{"pathsAreNoLanguages", {"LANGUAGE=../fr:de/../x:ja"}, "ja\tja_JP,ja\t次へ\tコピー(&C)"}
), rowName);

} // namespace
