#include "script/helper/helperprotocol.h"

#include <gtest/gtest.h>

using namespace helperprotocol;

TEST(HelperProtocol, MessagesSurviveTheRoundTripWhateverTheirBytes)
{
    const std::string awkward("quote\" nul\0 break\n \xff\xfe $(x) `y`", 31);
    const Request requests[] = {{},
                                {RequestKind::userCommand, InstallFolder::maker, {}, "echo hi", "anna", "/home/anna"},
                                {RequestKind::makeFolder, InstallFolder::plugins, {}, {}, {}, {}},
                                {RequestKind::copyElement, InstallFolder::maker, awkward, {}, {}, {}},
                                {RequestKind::writeFile, InstallFolder::maker, "a/Path.txt", awkward, {}, {}},
                                {RequestKind::giveBack, InstallFolder::maker, awkward, awkward, awkward, awkward},
                                {RequestKind::endOfRun, InstallFolder::maker, {}, {}, {}, {}}};
    for (const Request &request : requests) {
        Request back;
        const std::string bytes = encode(request);
        const Decoded decoded = decode(bytes, back);
        EXPECT_EQ(decoded.status, DecodeStatus::complete);
        EXPECT_EQ(decoded.consumed, bytes.size());
        EXPECT_EQ(back, request);
    }
    const Reply replies[] = {{}, {-9, "", "killed"}, {255, awkward, awkward}};
    for (const Reply &reply : replies) {
        Reply back;
        EXPECT_EQ(decode(encode(reply), back).status, DecodeStatus::complete);
        EXPECT_EQ(back, reply);
    }
}

TEST(HelperProtocol, EveryShorterPrefixIsIncompleteAndTwoMessagesSplitCleanly)
{
    const Request request{RequestKind::copyElement, InstallFolder::maker, "/b/Products/x", {}, "u", "/h"};
    const std::string bytes = encode(request);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        Request back;
        EXPECT_EQ(decode(std::string_view(bytes).substr(0, size), back).status, DecodeStatus::incomplete) << size;
    }
    const std::string two = bytes + encode(Request{RequestKind::linkElement, InstallFolder::maker, "second", {}, {}, {}});
    Request first;
    const Decoded decoded = decode(two, first);
    ASSERT_EQ(decoded.status, DecodeStatus::complete);
    Request second;
    EXPECT_EQ(decode(std::string_view(two).substr(decoded.consumed), second).status, DecodeStatus::complete);
    EXPECT_EQ(second.path, "second");
}

TEST(HelperProtocol, HostileHeadersAreRejectedWithoutAllocating)
{
    Request request;
    Reply reply;
    // A wrong tag, and sizes beyond the limits (the bytes never arrive).
    EXPECT_EQ(decode(std::string("X\0\0\0\0", 5), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decode(encode(Reply{}), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decode(std::string("QCM\xff\xff\xff\xff", 7), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decode(std::string("QUM\0\0\0\0\0\0\0\x02", 11), request).status, DecodeStatus::malformed);
    // Kinds and folders outside their sets (the shell command of old among
    // them), and a ready message of another version.
    EXPECT_EQ(decode(std::string("QXM\0\0\0\0", 7), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decode(std::string("QCX\0\0\0\0", 7), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decode(std::string("QCR\0\0\0\0", 7), request).status, DecodeStatus::malformed);
    EXPECT_EQ(decodeReady(std::string("R\x01\0\0\0", 5)).status, DecodeStatus::malformed);
    EXPECT_EQ(decodeReady(encodeReady()).status, DecodeStatus::complete);
    EXPECT_EQ(decode(std::string("A\0\0\0\0\xff\xff\xff\x7f", 9), reply).status, DecodeStatus::malformed);
}
