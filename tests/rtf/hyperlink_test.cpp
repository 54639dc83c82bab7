#include "rtf/hyperlink.h"

#include <gtest/gtest.h>

namespace {

struct LinkRow
{
    const char *instruction;
    const char *target;
};

class HyperlinkTarget : public ::testing::TestWithParam<LinkRow>
{
};

TEST_P(HyperlinkTarget, isTheFirstArgument)
{
    EXPECT_EQ(rtf::hyperlinkTarget(GetParam().instruction), GetParam().target) << GetParam().instruction;
}

INSTANTIATE_TEST_SUITE_P(Rows, HyperlinkTarget, ::testing::Values(
    LinkRow{R"(HYPERLINK "https://a.example/")", "https://a.example/"},
    LinkRow{R"( HYPERLINK "https://a.example/x y" )", "https://a.example/x y"},
    LinkRow{R"(HYPERLINK https://a.example/ \o "tip")", "https://a.example/"},
    LinkRow{R"(hyperlink "mailto:legal@a.example")", "mailto:legal@a.example"},
    LinkRow{R"(HYPERLINK \l "section2")", "#section2"},
    LinkRow{R"(HYPERLINK \o "tip")", ""},
    LinkRow{R"(HYPERLINK "https://a.example/page" \l "part")", "https://a.example/page#part"},
    LinkRow{R"(HYPERLINK \t "_blank" "https://a.example/")", "https://a.example/"},
    LinkRow{R"(HYPERLINK "unterminated)", "unterminated"},
    LinkRow{R"(HYPERLINK "")", ""},
    LinkRow{R"(HYPERLINK)", ""},
    LinkRow{R"(HYPERLINK \)", ""},
    LinkRow{R"(PAGE \* MERGEFORMAT)", ""},
    LinkRow{R"(HYPER)", ""},
    LinkRow{"", ""}
));

} // namespace
