// The stand-in library's answers, call by call, against a store of the
// test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "answers.h"
#include "trevanix.h"
#include "store_format.h"
#include "store_test_support.h"
#include "support/cases.h"

namespace trevanix_test {
namespace {

using namespace trevanix;

// One call and the answer it must give.
struct Step {
    std::string call;
    std::function<std::int32_t()> run;
    std::int32_t answer;
};

using Text = std::optional<std::string>;  // none: a null pointer

const char* Pointer(const Text& text) {
    return text ? text->c_str() : nullptr;
}

Step Open(std::int32_t answer, std::int32_t mode = 0) {
    return {"CfgOpen(" + std::to_string(mode) + ")", [=] { return CfgOpen(mode); }, answer};
}
Step Begin(std::int32_t answer) { return {"CfgBegin", [] { return CfgBegin(); }, answer}; }
Step End(std::int32_t answer) { return {"CfgEnd", [] { return CfgEnd(); }, answer}; }
Step Close(std::int32_t answer) { return {"CfgClose", [] { return CfgClose(); }, answer}; }
Step Lock(std::int32_t flag, std::int32_t answer) {
    return {"CfgLock(" + std::to_string(flag) + ")", [=] { return CfgLock(flag); }, answer};
}
Step Create(Text name, std::int32_t answer) {
    return {"CfgTargetCreate(" + name.value_or("null") + ")", [=] { return CfgTargetCreate(Pointer(name)); },
            answer};
}
Step Use(Text name, std::int32_t answer) {
    return {"CfgTargetUse(" + name.value_or("null") + ")", [=] { return CfgTargetUse(Pointer(name)); }, answer};
}
Step Delete(std::int32_t answer) { return {"CfgTargetDelete", [] { return CfgTargetDelete(); }, answer}; }
Step Unuse(std::int32_t answer, std::int32_t what = 1, bool withResult = true) {
    return {"CfgTargetUnuse(" + std::to_string(what) + ")",
            [=] {
                std::int32_t released = 0;
                return CfgTargetUnuse(what, withResult ? &released : nullptr);
            },
            answer};
}
Step Entry(std::int32_t index, std::int32_t answer) {
    return {"CfgUseEntry(" + std::to_string(index) + ")", [=] { return CfgUseEntry(index); }, answer};
}
Step SetString(std::uint32_t attribute, Text text, std::int32_t answer) {
    return {"CfgSetString(" + std::to_string(attribute) + ", " + text.value_or("null") + ")",
            [=] { return CfgSetString(attribute, Pointer(text)); }, answer};
}
Step SetNumber(std::uint32_t attribute, std::uint32_t value, std::int32_t answer) {
    return {"CfgSetNumber(" + std::to_string(attribute) + ", " + std::to_string(value) + ")",
            [=] { return CfgSetNumber(attribute, value); }, answer};
}
Step SetFlag(std::uint32_t attribute, std::int32_t value, std::int32_t answer) {
    return {"CfgSetFlag(" + std::to_string(attribute) + ", " + std::to_string(value) + ")",
            [=] { return CfgSetFlag(attribute, value); }, answer};
}

using plovask_test::Join;

const std::vector<Step> kBegun = {Open(kOk), Begin(kOk)};

// An MSN written into the entry with this index, then released.
std::vector<Step> WriteEntry(std::int32_t index, std::uint32_t controller, const std::string& msn) {
    return {Entry(index, kOk), SetNumber(ATTR_CONTROLLER, controller, kOk), SetString(ATTR_MSN, msn, kOk),
            Unuse(kOk)};
}

struct LibraryCase {
    std::string name;
    std::vector<Step> steps;
    std::optional<std::string> storeBefore{};  // none: no store file
    std::optional<std::string> storeAfter{};   // none: no store file
};

const std::vector<LibraryCase> kCases = {
    // Sequence.
    {"NothingBeforeOpen", {Begin(kOutOfSequence), Create("a", kOutOfSequence), End(kOutOfSequence),
                           Close(kOutOfSequence)}},
    {"OpenTwice", {Open(kOk), Open(kOutOfSequence), Close(kOk)}},
    {"OpenTakesOnlyZero", {Open(kBadArgument, 1), Open(kOk), Close(kOk)}},
    {"NothingBeforeBegin", {Open(kOk), Create("a", kOutOfSequence), Lock(1, kOutOfSequence), End(kOutOfSequence),
                            Close(kOk)}},
    {"NothingAfterEnd", Join({kBegun, {End(kOk), Create("a", kOutOfSequence), Begin(kOutOfSequence),
                                       Use("a", kOutOfSequence), End(kOutOfSequence), Close(kOk)}})},
    // A run that changes nothing writes nothing: a missing store stays
    // missing, an existing one keeps its file.
    {"UnchangedStoreIsNotWritten", Join({kBegun, {Create("a", kTargetExists), Use("a", kOk), Unuse(kOk), End(kOk)}}),
     "TREVANIX-STORE 1\nlock off\nentry 1 free\nentry 2 free\nentry 3 free\nentry 4 free\ntarget \"a\"\n"
     "  isdn-number \"\"\n  username \"\"\n  outbound-password \"\"\n  remote-system-id \"\"\n"
     "  inbound-password \"\"\n  inbound-auth none\n  active no\n",
     StoreText({Site("a")})},
    {"CloseWithoutEndForgets", Join({kBegun, {Create("a", kOk), Close(kOk)}})},

    // Targets and names.
    {"CreateKeepsFirstSpelling",
     Join({kBegun, {Create("Alpha", kOk), Create("Alpha", kTargetExists), Create("ALPHA", kExistsOtherCase),
                    Use("aLPHA", kOk), End(kOk)}}),
     std::nullopt, StoreText({Site("Alpha")})},
    {"NamesAreOneTo99Bytes",
     Join({kBegun, {Create("", kBadName), Create(std::string(100, 'n'), kBadName), Create(std::nullopt, kBadArgument),
                    Use("", kBadName), Use(std::nullopt, kBadArgument), Create(std::string(99, 'n'), kOk),
                    End(kOk)}}),
     std::nullopt, StoreText({Site(std::string(99, 'n'))})},
    {"CaseFoldsOnlyAToZ", Join({kBegun, {Create("\xC4", kOk), Use("\xE4", kNotFoundOrTaken), Create("[", kOk),
                                         Use("{", kNotFoundOrTaken), Close(kOk)}})},
    {"UseMissingTarget", Join({kBegun, {Use("nobody", kNotFoundOrTaken), Close(kOk)}})},
    {"DeleteLeavesNothingSelected",
     Join({kBegun, {Create("a", kOk), Create("b", kOk), Use("A", kOk), Delete(kOk), Delete(kNothingSelected),
                    SetFlag(ATTR_ACTIVE, 1, kNothingSelected), Use("a", kNotFoundOrTaken), End(kOk)}}),
     std::nullopt, StoreText({Site("b")})},
    {"CreateDoesNotSelect", Join({kBegun, {Create("a", kOk), SetString(ATTR_USERNAME, "u", kNothingSelected),
                                           Close(kOk)}})},
    {"FailedUseDropsTheSelection",
     Join({kBegun, {Create("a", kOk), Use("a", kOk), Use("b", kNotFoundOrTaken),
                    SetString(ATTR_USERNAME, "u", kNothingSelected), Close(kOk)}})},

    // Attributes: the right setter, a selection, values in range, texts that fit.
    {"AttributesNeedASelection",
     Join({kBegun, {SetString(ATTR_USERNAME, "u", kNothingSelected), SetNumber(ATTR_INBOUND_AUTH, 1, kNothingSelected),
                    SetFlag(ATTR_ACTIVE, 1, kNothingSelected), Delete(kNothingSelected),
                    SetNumber(ATTR_CONTROLLER, 1, kNothingSelected), SetString(ATTR_MSN, "1", kNothingSelected),
                    Close(kOk)}})},
    {"TargetAttributesNeedATarget",
     Join({kBegun, WriteEntry(1, 1, "1"), {Entry(2, kOk), SetString(ATTR_USERNAME, "u", kNothingSelected),
                                           SetFlag(ATTR_ACTIVE, 0, kNothingSelected), Close(kOk)}})},
    {"BadArguments",
     Join({kBegun, {Create("a", kOk), Use("a", kOk), SetString(999, "x", kBadArgument),
                    SetString(ATTR_INBOUND_AUTH, "1", kBadArgument), SetString(ATTR_ACTIVE, "1", kBadArgument),
                    SetString(ATTR_CONTROLLER, "1", kBadArgument), SetString(ATTR_USERNAME, std::nullopt, kBadArgument),
                    SetNumber(ATTR_USERNAME, 1, kBadArgument), SetNumber(ATTR_INBOUND_AUTH, 3, kBadArgument),
                    SetNumber(ATTR_ACTIVE, 1, kBadArgument), SetFlag(ATTR_ACTIVE, 2, kBadArgument),
                    SetFlag(ATTR_ACTIVE, -1, kBadArgument), SetFlag(ATTR_USERNAME, 1, kBadArgument),
                    Entry(0, kBadArgument), Entry(5, kBadArgument), Unuse(kBadArgument, 0),
                    Unuse(kBadArgument, 1, false), Lock(2, kBadArgument), Close(kOk)}})},
    {"TextLimits",
     Join({kBegun, {Create("a", kOk), Use("a", kOk), SetString(ATTR_ISDN_NUMBER, std::string(25, '1'), kTextTooLong),
                    SetString(ATTR_ISDN_NUMBER, std::string(24, '1'), kOk),
                    SetString(ATTR_REMOTE_SYSTEM_ID, std::string(100, 'r'), kTextTooLong),
                    SetString(ATTR_REMOTE_SYSTEM_ID, std::string(99, 'r'), kOk), Entry(1, kOk),
                    SetString(ATTR_MSN, std::string(15, '5'), kTextTooLong),
                    SetString(ATTR_MSN, std::string(14, '5'), kOk), End(kOk)}}),
     std::nullopt,
     StoreText({Site("a", {.isdnNumber = std::string(24, '1'), .remoteSystemId = std::string(99, 'r')})},
               {{.taken = true, .controller = 0, .msn = std::string(14, '5')}})},
    {"AllAttributes",
     Join({kBegun, {Create("a", kOk), Use("a", kOk), SetString(ATTR_ISDN_NUMBER, "040", kOk),
                    SetString(ATTR_USERNAME, "u", kOk), SetString(ATTR_OUTBOUND_PASSWORD, "o", kOk),
                    SetString(ATTR_REMOTE_SYSTEM_ID, "r", kOk), SetString(ATTR_INBOUND_PASSWORD, "i", kOk),
                    SetNumber(ATTR_INBOUND_AUTH, AUTH_CHAP, kOk), SetFlag(ATTR_ACTIVE, 1, kOk), End(kOk)}}),
     std::nullopt,
     StoreText({Site("a", {.isdnNumber = "040", .username = "u", .outboundPassword = "o", .remoteSystemId = "r",
                           .inboundPassword = "i", .inboundAuth = AUTH_CHAP, .active = true})})},

    // The lock refuses changes, not selections, and not unlocking.
    {"LockRefusesChanges",
     Join({kBegun, {Create("a", kOk), Lock(1, kOk), Lock(1, kOk), Create("b", kLocked), Create("a", kLocked),
                    Use("a", kOk), SetString(ATTR_USERNAME, "u", kLocked), SetNumber(ATTR_INBOUND_AUTH, 1, kLocked),
                    SetFlag(ATTR_ACTIVE, 1, kLocked), Delete(kLocked), Entry(1, kOk),
                    SetNumber(ATTR_CONTROLLER, 1, kLocked), SetString(ATTR_MSN, "1", kLocked), Unuse(kOk),
                    Lock(0, kOk), Use("a", kOk), SetFlag(ATTR_ACTIVE, 1, kOk), Lock(1, kOk), End(kOk)}}),
     std::nullopt, StoreText({Site("a", {.active = true})}, {}, true)},
    {"LockIsStored", Join({kBegun, {Lock(0, kOk), Create("a", kOk), End(kOk)}}), StoreText({}, {}, true),
     StoreText({Site("a")})},

    // Entries: taken ones answer 6 and leave nothing selected; copies merge.
    {"EntryTakenAnswersSix",
     Join({kBegun, WriteEntry(1, 1, "4711"), {Entry(1, kNotFoundOrTaken), SetNumber(ATTR_CONTROLLER, 2, kNothingSelected),
                                              End(kOk)}}),
     std::nullopt, StoreText({}, {{true, 1, "4711"}})},
    {"CopyOfAnEntryMergesOnRelease",
     Join({kBegun, WriteEntry(1, 1, "4711"), WriteEntry(2, 1, "4712"),
           {Entry(1, kNotFoundOrTaken), Entry(2, kNotFoundOrTaken)}, WriteEntry(3, 1, "4711"),
           {Entry(3, kOk), SetNumber(ATTR_CONTROLLER, 2, kOk), SetString(ATTR_MSN, "4711", kOk), End(kOk)}}),
     std::nullopt, StoreText({}, {{true, 1, "4711"}, {true, 1, "4712"}, {true, 2, "4711"}})},
    {"SelectingElsewhereReleasesTheEntry",
     Join({kBegun, WriteEntry(1, 1, "4711"), {Entry(2, kOk), SetNumber(ATTR_CONTROLLER, 1, kOk),
                                              SetString(ATTR_MSN, "4711", kOk), Create("a", kOk), Use("a", kOk),
                                              Entry(2, kOk), End(kOk)}}),
     std::nullopt, StoreText({Site("a")}, {{true, 1, "4711"}})},
    {"FourEntriesTaken",
     Join({kBegun, WriteEntry(1, 1, "1"), WriteEntry(2, 1, "2"), WriteEntry(3, 1, "3"), WriteEntry(4, 1, "4"),
           {Entry(1, kNotFoundOrTaken), Entry(4, kNotFoundOrTaken), SetNumber(ATTR_CONTROLLER, 1, kNothingSelected),
            SetString(ATTR_MSN, "5", kNothingSelected), Close(kOk)}})},

    // The store.
    {"UnparsableStoreIsRefused", {Open(kOk), Begin(kStoreFailed), Create("a", kOutOfSequence), Close(kOk)},
     "TREVANIX-STORE 1\nlock maybe\n", "TREVANIX-STORE 1\nlock maybe\n"},
    {"StoreOfAnotherVersionIsRefused", {Open(kOk), Begin(kStoreFailed), Close(kOk)}, "TREVANIX-STORE 2\n",
     "TREVANIX-STORE 2\n"},
    {"StoreIsLoaded", Join({kBegun, {Create("a", kExistsOtherCase), Use("a", kOk), Delete(kOk), End(kOk)}}),
     StoreText({Site("A"), Site("b")}), StoreText({Site("b")})},
};

void PrintTo(const LibraryCase& c, std::ostream* out) {
    *out << c.name;
}

class LibraryTest : public testing::TestWithParam<LibraryCase> {
protected:
    void TearDown() override {
        static_cast<void>(CfgClose());
    }
};

TEST_P(LibraryTest, Answers) {
    const LibraryCase& c = GetParam();
    const StoreFolder folder(c.name);
    if (c.storeBefore) {
        WriteFile(folder.store(), *c.storeBefore);
    }
    for (const Step& step : c.steps) {
        ASSERT_EQ(step.run(), step.answer) << step.call;
    }
    if (c.storeAfter) {
        EXPECT_EQ(ReadFile(folder.store()), *c.storeAfter);
    } else {
        EXPECT_FALSE(std::filesystem::exists(folder.store()));
    }
}

INSTANTIATE_TEST_SUITE_P(Calls, LibraryTest, testing::ValuesIn(kCases), plovask_test::CaseName<LibraryCase>);

TEST(LibraryReleaseTest, TellsWhetherAnythingWasReleased) {
    const StoreFolder folder("Release");
    ASSERT_EQ(CfgOpen(0), kOk);
    ASSERT_EQ(CfgBegin(), kOk);
    ASSERT_EQ(CfgTargetCreate("a"), kOk);
    std::int32_t released = 7;
    EXPECT_EQ(CfgTargetUnuse(1, &released), kOk);
    EXPECT_EQ(released, 0);
    ASSERT_EQ(CfgTargetUse("a"), kOk);
    EXPECT_EQ(CfgTargetUnuse(1, &released), kOk);
    EXPECT_EQ(released, 1);
    ASSERT_EQ(CfgUseEntry(3), kOk);
    EXPECT_EQ(CfgTargetUnuse(1, &released), kOk);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(CfgClose(), kOk);
}

// Every byte from 1 to 255 in names and texts survives the store, which
// itself stays printable text.
TEST(LibraryStoreTest, EveryByteSurvives) {
    const StoreFolder folder("EveryByte");
    std::string name;
    std::string low;
    std::string high;
    for (int byte = 1; byte <= 255; ++byte) {
        (byte < 100 ? name : byte < 199 ? low : high) += static_cast<char>(byte);
    }
    ASSERT_EQ(CfgOpen(0), kOk);
    ASSERT_EQ(CfgBegin(), kOk);
    ASSERT_EQ(CfgTargetCreate(name.c_str()), kOk);
    ASSERT_EQ(CfgTargetUse(name.c_str()), kOk);
    ASSERT_EQ(CfgSetString(ATTR_USERNAME, low.c_str()), kOk);
    ASSERT_EQ(CfgSetString(ATTR_REMOTE_SYSTEM_ID, high.c_str()), kOk);
    ASSERT_EQ(CfgEnd(), kOk);
    ASSERT_EQ(CfgClose(), kOk);

    const std::string text = ReadFile(folder.store());
    for (const char c : text) {
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c <= 0x7E)) << static_cast<int>(c);
    }
    Configuration stored;
    StoreError error;
    ASSERT_TRUE(ParseStore(text, stored, error)) << error.reason;
    ASSERT_EQ(stored.targets.size(), 1u);
    const Target& target = stored.targets.begin()->second;
    EXPECT_EQ(target.name, name);
    EXPECT_EQ(target.username, low);
    EXPECT_EQ(target.remoteSystemId, high);

    ASSERT_EQ(CfgOpen(0), kOk);
    ASSERT_EQ(CfgBegin(), kOk);
    EXPECT_EQ(CfgTargetCreate(name.c_str()), kTargetExists);
    EXPECT_EQ(CfgClose(), kOk);
}

}  // namespace
}  // namespace trevanix_test
