#include "ui/alerts/overlaychoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ChoiceRow
{
    const char *name;
    OverlayFlags flags;
    Overlay expected;
};

OverlayFlags on(Page page, bool agreed, bool license, bool permanently, bool finder, bool log)
{
    return {page, agreed, license, permanently, finder, log};
}

class OverlayRules : public ::testing::TestWithParam<ChoiceRow>
{
};

// Every combination of the five flags on every page.
std::vector<OverlayFlags> allStates()
{
    std::vector<OverlayFlags> states;
    for (const Page page : allPages)
        for (int bits = 0; bits < 32; ++bits)
            states.push_back(on(page, bits & 1, bits & 2, bits & 4, bits & 8, bits & 16));
    return states;
}

std::string describe(const OverlayFlags &f)
{
    return "page " + std::to_string(rawValue(f.currentPage)) + " agreed " + std::to_string(f.agreeWithTerms) +
           " license " + std::to_string(f.showLicenseAlert) + " permanently " + std::to_string(f.showPermanentlyAlert) +
           " finder " + std::to_string(f.showFinderAlert) + " log " + std::to_string(f.showLogDetailsWindow);
}

} // namespace

TEST_P(OverlayRules, FirstRuleThatHoldsDecides)
{
    const ChoiceRow &row = GetParam();
    EXPECT_EQ(chooseOverlay(row.flags), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OverlayRules,
    ::testing::Values(
        ChoiceRow{"nothingRaised", on(Page::install, false, false, false, false, false), Overlay::none},
        ChoiceRow{"licenseOnLicensePage", on(Page::license, false, true, false, false, false), Overlay::licenseAlert},
        ChoiceRow{"licenseOnAnyPage", on(Page::summary, false, true, false, false, false), Overlay::licenseAlert},
        ChoiceRow{"licenseAgreedLaterRulesDecide", on(Page::install, true, true, true, false, false),
                  Overlay::installConfirmation},
        ChoiceRow{"afterAgreeOnProducts", on(Page::products, true, true, false, false, false), Overlay::none},
        ChoiceRow{"licenseBeatsConfirmation", on(Page::install, false, true, true, true, false), Overlay::licenseAlert},
        ChoiceRow{"confirmationBeatsFinder", on(Page::install, true, false, true, true, false),
                  Overlay::installConfirmation},
        ChoiceRow{"finderAfterCancel", on(Page::install, true, false, false, true, false), Overlay::finderAccess},
        ChoiceRow{"confirmationOffItsPage", on(Page::products, true, false, true, false, false), Overlay::none},
        ChoiceRow{"finderOffItsPage", on(Page::summary, true, false, false, true, false), Overlay::none},
        ChoiceRow{"logOnSummary", on(Page::summary, true, false, true, true, true), Overlay::logDetails},
        ChoiceRow{"logOffItsPage", on(Page::install, true, false, false, false, true), Overlay::none}),
    [](const ::testing::TestParamInfo<ChoiceRow> &info) { return std::string(info.param.name); });

// The rules restated as independent properties, checked over all 160 states:
// each overlay shows exactly when its own condition holds and no earlier
// overlay's does.
TEST(OverlayChoice, EveryStateOfFlagsAndPages)
{
    const std::vector<OverlayFlags> states = allStates();
    ASSERT_EQ(states.size(), 160u);
    int shown[5] = {};
    for (const OverlayFlags &f : states) {
        const Overlay overlay = chooseOverlay(f);
        ++shown[static_cast<int>(overlay)];
        const bool license = f.showLicenseAlert && !f.agreeWithTerms;
        SCOPED_TRACE(describe(f));
        EXPECT_EQ(overlay == Overlay::licenseAlert, license);
        if (license)
            continue;
        switch (f.currentPage) {
        case Page::install:
            EXPECT_EQ(overlay, f.showPermanentlyAlert ? Overlay::installConfirmation
                               : f.showFinderAlert    ? Overlay::finderAccess
                                                      : Overlay::none);
            break;
        case Page::summary:
            EXPECT_EQ(overlay, f.showLogDetailsWindow ? Overlay::logDetails : Overlay::none);
            break;
        default:
            EXPECT_EQ(overlay, Overlay::none) << "only the license alert shows on this page";
        }
    }
    // Per page 8 of 32 states raise the license alert unagreed: 40 in all.
    EXPECT_EQ(shown[static_cast<int>(Overlay::licenseAlert)], 40);
    // On install the 24 other states: 12 with confirmation, 6 finder only.
    EXPECT_EQ(shown[static_cast<int>(Overlay::installConfirmation)], 12);
    EXPECT_EQ(shown[static_cast<int>(Overlay::finderAccess)], 6);
    EXPECT_EQ(shown[static_cast<int>(Overlay::logDetails)], 12);
}

// The license rule alone ignores the page; every other overlay needs its page.
TEST(OverlayChoice, OnlyTheLicenseAlertIgnoresThePage)
{
    for (const OverlayFlags &f : allStates()) {
        const Overlay overlay = chooseOverlay(f);
        if (overlay == Overlay::none || overlay == Overlay::licenseAlert)
            continue;
        for (const Page other : allPages) {
            OverlayFlags moved = f;
            moved.currentPage = other;
            if (other != f.currentPage) {
                EXPECT_NE(chooseOverlay(moved), overlay) << describe(moved);
            }
        }
    }
}

// While an installation runs its progress hides every other overlay, on
// every page.
TEST(OverlayChoice, AnInstallationInProgressHidesEveryOtherOverlay)
{
    for (OverlayFlags f : allStates()) {
        f.installing = true;
        EXPECT_EQ(chooseOverlay(f), Overlay::installProgress) << describe(f);
    }
}
