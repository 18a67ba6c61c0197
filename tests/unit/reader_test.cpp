#include "script/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/cases.h"
#include "support/script_fixture.h"

namespace plovask_test {
namespace {

using namespace std::string_literals;
using plovask::LineRead;

// What one call of ReadScriptLine gives: the outcome, and the line's text up
// to its first NUL.
struct Read {
    LineRead outcome;
    std::string text;

    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* out) {
    *out << static_cast<int>(read.outcome) << " \"" << read.text << "\"";
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<Read> reads;  // until and including the first kEnd
};

const Read kEnd{LineRead::kEnd, ""};

std::vector<Read> ReadAll(const std::string& bytes) {
    ScriptFixture fixture;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    auto source = std::make_unique<plovask::ScriptSource>();
    source->file = file.get();
    std::vector<Read> reads;
    for (;;) {
        const LineRead outcome = plovask::ReadScriptLine(*source);
        reads.push_back({outcome, outcome == LineRead::kEnd ? "" : plovask::g_state.line});
        if (outcome == LineRead::kEnd || reads.size() > 10000) {
            return reads;
        }
    }
}

const std::vector<ReaderCase> kReaderCases = {
    {"Empty", "", {kEnd}},
    {"OneLineFeed", "\n", {{LineRead::kLine, ""}, kEnd}},
    {"LastLineWithoutLineFeed", "a\nb", {{LineRead::kLine, "a"}, {LineRead::kLine, "b"}, kEnd}},
    {"CrLfIsOneLineEnd", "a\r\n\r\nb\r\n", {{LineRead::kLine, "a"}, {LineRead::kLine, ""}, {LineRead::kLine, "b"}, kEnd}},
    {"LoneCrIsACharacter", "a\rb\r\r\nc\r", {{LineRead::kLine, "a\rb\r"}, {LineRead::kLine, "c\r"}, kEnd}},
    {"CtrlZEndsTheScript", "a\nb\032c\nd\n", {{LineRead::kLine, "a"}, {LineRead::kLine, "b"}, kEnd}},
    {"CtrlZAtLineStart", "a\n\032b\n", {{LineRead::kLine, "a"}, kEnd}},
    {"CtrlZAfterNul", "a\0b\032c\n"s, {{LineRead::kLine, "a"}, kEnd}},
    {"NulEndsTheText", "ab\0cd\nef\n"s, {{LineRead::kLine, "ab"}, {LineRead::kLine, "ef"}, kEnd}},
    {"Line255", Repeat('a', 255) + "\nb", {{LineRead::kLine, Repeat('a', 255)}, {LineRead::kLine, "b"}, kEnd}},
    {"Line255CrLf", Repeat('a', 255) + "\r\nb", {{LineRead::kLine, Repeat('a', 255)}, {LineRead::kLine, "b"}, kEnd}},
    {"Line256", Repeat('a', 256) + "\nb", {{LineRead::kTooLong, Repeat('a', 255)}, {LineRead::kLine, "b"}, kEnd}},
    {"Line255AndLoneCr", Repeat('a', 255) + "\r\rb\n", {{LineRead::kTooLong, Repeat('a', 255)}, kEnd}},
    {"VeryLongLine", Repeat('a', 100000) + "\nb\n", {{LineRead::kTooLong, Repeat('a', 255)}, {LineRead::kLine, "b"}, kEnd}},
    {"NulCountsTowardsLength", "a\0"s + Repeat('b', 300) + "\nc", {{LineRead::kTooLong, "a"}, {LineRead::kLine, "c"}, kEnd}},
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

class ReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTest, Lines) {
    EXPECT_EQ(ReadAll(GetParam().bytes), GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReaderTest, testing::ValuesIn(kReaderCases),
                         CaseName<ReaderCase>);

// The reader reads ahead in chunks; a CR LF pair split between two chunks is
// still one line end.
TEST(ReaderChunkTest, CrLfAcrossChunks) {
    const std::size_t lines = (plovask::ScriptSource::kChunkSize - 1) / 3;
    ASSERT_EQ(lines * 3 + 1, plovask::ScriptSource::kChunkSize) << "the CR must be a chunk's last byte";
    std::string bytes;
    for (std::size_t i = 0; i < lines; ++i) {
        bytes += "ab\n";
    }
    bytes += "\r\nnext\n";
    const std::vector<Read> reads = ReadAll(bytes);
    ASSERT_EQ(reads.size(), lines + 3);
    EXPECT_EQ(reads[lines], (Read{LineRead::kLine, ""}));
    EXPECT_EQ(reads[lines + 1], (Read{LineRead::kLine, "next"}));
}

}  // namespace
}  // namespace plovask_test
