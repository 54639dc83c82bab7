#include "app/scenes.h"
#include "app/translations.h"
#include "state/appsettings.h"
#include "support/fakeenvironment.h"
#include "ui/alerts/alertcard.h"
#include "ui/contentview.h"
#include "ui/metrics.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QTextBoundaryFinder>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString sampleResources = QStringLiteral(VELTRANO_SOURCE_DIR "/resources");

// The installer's and Qt's translations of one language, for as long as it
// lives; none for English.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &language)
    {
        if (language != u"en")
            loaded = translations::install(*qApp, QStringLiteral(VELTRANO_BUNDLE_TRANSLATIONS), {language});
    }
    ~InstalledLanguage()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    InstalledLanguage(const InstalledLanguage &) = delete;
    InstalledLanguage &operator=(const InstalledLanguage &) = delete;

    std::optional<QString> loaded;
};

QString textOf(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    return {};
}

QString describe(const QWidget &widget)
{
    const QString name = widget.objectName().isEmpty() ? QString::fromUtf8(widget.metaObject()->className())
                                                       : widget.objectName();
    return QStringLiteral("%1 \"%2\" (%3x%4)").arg(name, textOf(widget)).arg(widget.width()).arg(widget.height());
}

// The widest piece of `text` that a line cannot be broken inside.
int widestUnbreakable(const QString &text, const QFontMetrics &metrics)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    int widest = 0;
    qsizetype start = 0;
    while (finder.toNextBoundary() >= 0) {
        const qsizetype end = finder.position();
        widest = std::max(widest, metrics.horizontalAdvance(text.mid(start, end - start).trimmed()));
        start = end;
    }
    return widest;
}

// Why the widget cannot show all of its text, if it cannot.
std::optional<QString> shortfall(const QWidget &widget)
{
    QSize needed;
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (!label->wordWrap()) {
            needed = label->sizeHint();
        } else {
            const int margin = label->margin();
            const int room = label->contentsRect().width() - 2 * margin;
            const int word = widestUnbreakable(label->text(), label->fontMetrics());
            if (word > room)
                return QStringLiteral("a word %1 wide does not fit its %2 of room").arg(word).arg(room);
            needed = QSize(0, label->heightForWidth(label->width()));
        }
    } else {
        needed = widget.sizeHint();
    }
    if (widget.width() < needed.width() || widget.height() < needed.height())
        return QStringLiteral("its text needs %1x%2").arg(needed.width()).arg(needed.height());
    return std::nullopt;
}

// Where the widget is cut off by one of its ancestors, or drawn beyond the
// rounded card it sits on.
std::optional<QString> clipping(const QWidget &widget, const QWidget &window)
{
    for (const QWidget *ancestor = widget.parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        const QRect inAncestor(widget.mapTo(ancestor, QPoint()), widget.size());
        if (!ancestor->rect().contains(inAncestor))
            return QStringLiteral("cut off by %1").arg(describe(*ancestor));
        if (const auto *card = qobject_cast<const AlertCard *>(ancestor); card && !card->roundedRectangle().contains(inAncestor))
            return QStringLiteral("reaches beyond its card");
        if (ancestor == &window)
            break;
    }
    return std::nullopt;
}

bool scrolls(const QWidget &widget, const QWidget &window)
{
    for (const QWidget *ancestor = widget.parentWidget(); ancestor && ancestor != &window;
         ancestor = ancestor->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(ancestor))
            return true;
    }
    return false;
}

// Every label and button the window shows: big enough for its text, not cut
// off, and clear of its neighbours on the same layer.
QStringList fitProblems(const QWidget &window)
{
    const QWidget *alertLayer = window.findChild<QWidget *>(QStringLiteral("alertView"));
    struct Shown
    {
        const QWidget *widget;
        QRect rect;
        bool onAlertLayer;
    };
    std::vector<Shown> shown;
    QStringList problems;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        const bool isButton = qobject_cast<const QAbstractButton *>(widget);
        if (!widget->isVisibleTo(&window) || (!isButton && textOf(*widget).isEmpty()) || scrolls(*widget, window))
            continue;
        for (const auto &problem : {shortfall(*widget), clipping(*widget, window)}) {
            if (problem)
                problems += describe(*widget) + QStringLiteral(": ") + *problem;
        }
        shown.push_back({widget, QRect(widget->mapTo(&window, QPoint()), widget->size()),
                         alertLayer && alertLayer->isAncestorOf(widget)});
    }
    for (auto a = shown.begin(); a != shown.end(); ++a) {
        for (auto b = a + 1; b != shown.end(); ++b) {
            if (a->onAlertLayer == b->onAlertLayer && a->rect.intersects(b->rect)
                && !a->widget->isAncestorOf(b->widget) && !b->widget->isAncestorOf(a->widget))
                problems += describe(*a->widget) + QStringLiteral(" overlaps ") + describe(*b->widget);
        }
    }
    return problems;
}

QStringList languagesToCheck()
{
    return QStringList{QStringLiteral("en")} + translations::shipped(QStringLiteral(VELTRANO_BUNDLE_TRANSLATIONS));
}

class LanguageFit : public ::testing::TestWithParam<QString>
{
};

// Every page and overlay at the window's starting size, in every shipped
// language.
TEST_P(LanguageFit, everyTextFitsTheSmallestWindow)
{
    const InstalledLanguage language(GetParam());
    if (GetParam() != u"en") {
        ASSERT_EQ(language.loaded, GetParam());
    }
    for (const Scene &scene : scenes()) {
        SCOPED_TRACE(scene.name);
        FakeWorld world;
        world.resourceFolder = sampleResources;
        AppSettings settings(world.environment());
        settings.refreshProducts();
        ContentView window(settings, [] { return std::optional<QString>(sampleResources); });
        scene.setUp(settings);
        window.resize(metrics::windowContent);
        window.show();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const auto text = [](QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString(); };
        EXPECT_EQ(text(window.size()), text(metrics::windowContent)) << "the window needs more room than it starts with";
        const QStringList problems = fitProblems(window);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFit, ::testing::ValuesIn(languagesToCheck()),
                         [](const ::testing::TestParamInfo<QString> &info) { return info.param.toStdString(); });

// The page bar's labels, then each page's title, as the window shows them.
QStringList shownPageTexts()
{
    FakeWorld world;
    world.resourceFolder = sampleResources;
    AppSettings settings(world.environment());
    ContentView window(settings, [] { return std::optional<QString>(sampleResources); });
    window.show();
    QStringList texts;
    for (const QLabel *label : window.findChild<QWidget *>(QStringLiteral("pageBar"))->findChildren<QLabel *>())
        texts += label->text();
    settings.setAgreeWithTerms(true);
    for (const Page page : allPages) {
        settings.setCurrentPage(page);
        QApplication::processEvents();
        texts += window.findChild<QLabel *>(QStringLiteral("pageTitle"))->text();
    }
    return texts;
}

class PageTexts : public ::testing::TestWithParam<QString>
{
};

// No title or page bar label is left in English beside translated buttons;
// the product's name stays as it is.
TEST_P(PageTexts, areTranslated)
{
    const QStringList english = shownPageTexts();
    const InstalledLanguage language(GetParam());
    const QStringList shown = shownPageTexts();
    ASSERT_EQ(shown.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (!english[i].isEmpty()) {
            EXPECT_NE(shown[i].toStdString(), english[i].toStdString()) << "left in English";
        }
        EXPECT_EQ(shown[i].contains(u"Veltrano"), english[i].contains(u"Veltrano")) << shown[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, PageTexts,
                         ::testing::ValuesIn(translations::shipped(QStringLiteral(VELTRANO_BUNDLE_TRANSLATIONS))),
                         [](const ::testing::TestParamInfo<QString> &info) { return info.param.toStdString(); });

} // namespace
