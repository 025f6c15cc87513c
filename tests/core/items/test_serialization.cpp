#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CRecordingStatusDisplay.h"
#include "CoreTest.h"
#include "core/items/CArchive.h"
#include "core/items/CItem.h"
#include "core/platform/CFile.h"
#include "core/platform/CStatusProgress.h"

namespace {
constexpr int kRecordKind = 50001;

struct Field {
    int code;
    std::string value;
    int a = -1, b = -1;
};

// A record that writes its fields as given and reads its kind's lines back as fields (a
// multi-line value joined with CR LF); a code 0 line opens a child, as every real kind nests.
class CRecord : public CItem {
public:
    explicit CRecord(const std::string& name, std::vector<Field> fields = {})
        : CItem(name), fields(std::move(fields)) {
        SetKind(kRecordKind);
    }
    void WriteFields() override {
        for (const Field& f : fields) {
            WriteLine(f.code, f.value, f.a, f.b);
        }
    }
    void ReadField(long kind, int code, std::string_view line) override {
        if (kind != kRecordKind) {
            return;  // the root's own name line
        }
        if (code == 0) {
            auto* child = new CRecord(std::string(line));
            child->AppendTo(this, true);
            child->Serialize(*GetArchive(), GetProgress());
        } else if (!fields.empty() && fields.back().code == code) {
            fields.back().value.append("\r\n").append(line);
        } else {
            fields.push_back({code, std::string(line)});
        }
    }
    bool HoldsArchive() const { return GetArchive() != nullptr || GetProgress() != nullptr; }
    std::vector<Field> fields;
};

class CRoot : public CRecord {
public:
    CRoot() : CRecord("Desktop") { SetKind(61463); }
    int GetMinFileVersion() const override { return 2; }
    int GetFileVersion() const override { return 3; }
};

// A record whose children are made only when they hold something; the empty ones it counts.
class CSparseRecord : public CRecord {
public:
    CSparseRecord() : CRecord("sparse") {}
    void ReadField(long kind, int code, std::string_view line) override {
        if (kind == kRecordKind && code == 0 && TakeEmptyRecord()) {
            ++emptyChildren;
        } else {
            CRecord::ReadField(kind, code, line);
        }
    }
    int emptyChildren = 0;
};

std::string Write(CItem& root, CStatusProgress* progress = nullptr) {
    auto file = CFile::WriteMemory();
    CArchive archive(*file, CArchive::Mode::Store);
    root.Serialize(archive, progress);
    return file->Contents();
}

bool Read(CItem& root, const std::string& bytes, CStatusProgress* progress = nullptr) {
    auto file = CFile::ReadMemory(bytes);
    CArchive archive(*file, CArchive::Mode::Load);
    return root.Serialize(archive, progress);
}

std::vector<std::string> ReadLines(CFile& file) {
    CArchive archive(file, CArchive::Mode::Load);
    std::vector<std::string> lines;
    std::string spill;
    for (std::string_view line; archive.ReadLine(line, spill);) {
        lines.emplace_back(line);
    }
    return lines;
}

CRecord& ChildAt(const CItem& parent, int index) {
    return *static_cast<CRecord*>(parent.GetChildAt(index));
}
}  // namespace

TEST(LineArchive, LineEnds) {
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rXb\rY", {"a", "b"}},  // CR swallows the one character after it
        {"a\nlast", {"a", "last"}},
        {"\n\n", {"", ""}},
        {std::string("n\0ul\n", 5), {std::string("n\0ul", 4)}},
        {"end\r", {"end"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLines(*CFile::ReadMemory(c.bytes)), c.lines) << c.bytes;
    }
}

class LineArchiveOnDisk : public CoreTest {};

// A file is read ahead 64 KiB at a time: lines and line ends that fall across one read-ahead
// and the next, or span several, read as they do from memory.
TEST_F(LineArchiveOnDisk, LinesAcrossTheReadAheadReadAsInMemory) {
    constexpr std::size_t kReadAhead = std::size_t{1} << 16;
    std::vector<std::size_t> lengths{3 * kReadAhead + 5};
    for (std::size_t length = kReadAhead - 4; length <= kReadAhead + 2; ++length) {
        lengths.push_back(length);
    }
    for (const std::string end : {"\n", "\r\n", "\rX"}) {
        for (const std::size_t length : lengths) {
            const std::string bytes = std::string(length, 'a') + end + "next" + end + "last";
            WriteFileBytes(TempPath("lines"), bytes);
            const std::vector<std::string> expected{std::string(length, 'a'), "next", "last"};
            EXPECT_EQ(ReadLines(*CFile::OpenRead(TempPath("lines"))), expected)
                << length << " then " << (end[0] == '\r' ? "CR" : "LF");
            EXPECT_EQ(ReadLines(*CFile::ReadMemory(bytes)), expected) << length;
        }
    }
}

TEST(LineArchive, ALineEndsAtItsFirstCrOrLfWhateverItsLength) {
    for (const std::size_t length : {0, 1, 31, 32, 33, 200}) {
        const std::string text(length, 'x');
        const struct {
            std::string bytes;
            std::size_t expected;
        } cases[] = {
            {text + "\ntail", length},   {text + "\rtail", length},     {text + "\r\ntail", length},
            {text + "\n\rtail", length}, {text + "tail\r", length + 4}, {text, length},
        };
        for (const auto& c : cases) {
            EXPECT_EQ(CArchive::LineLength(c.bytes), c.expected) << length << c.bytes;
        }
    }
}

TEST(WriteLine, SplitsValuesAtEveryLineEnd) {
    const struct {
        Field field;
        std::string written;
    } cases[] = {
        {{1, "one"}, "5000101one\r\n"},
        {{1, ""}, ""},
        {{0, ""}, "5000100\r\n"},  // an empty last piece is kept for codes 0 and 99 only
        {{99, ""}, "5000199\r\n"},
        {{1, "x\r\n"}, "5000101x\r\n"},
        {{1, "x\r\n\r\ny"}, "5000101x\r\n5000101\r\n5000101y\r\n"},
        {{1, "x\ny\rz"}, "5000101x\r\n5000101y\r\n5000101z\r\n"},
        {{3, "t", 2, 7}, "50001032,7t\r\n"},
        {{3, "t", -1, 7}, "5000103t\r\n"},  // b only with a
        {{3, "a\r\nb", 1}, "50001031,a\r\n50001031,b\r\n"},
    };
    for (const auto& c : cases) {
        CRecord probe("p", {c.field});
        EXPECT_EQ(Write(probe), "5000100p\r\n" + c.written + "5000199\r\n") << c.field.value;
    }
}

TEST(WriteLine, HeaderPadsLikePrintf) {
    // Kinds and codes outside the usual widths must come out as "%05i%02i" and "%i," "%i"
    // always did: the sign first, zeros after it, no truncation.
    const struct {
        int kind, code, a, b;
    } cases[] = {
        {61809, 1, -1, -1},
        {7, 0, -1, -1},
        {123456, 123, 0, 0},
        {-3, -4, 5, 60},
        {0, 99, 12, -1},
        {-12345, 9, 2147483647, 1},
        {-2147483647 - 1, 5, -1, -1},
    };
    for (const auto& c : cases) {
        CRecord probe("p", {{c.code, "v", c.a, c.b}});
        probe.SetKind(c.kind);
        char header[64];
        int length = std::snprintf(header, sizeof header, "%05i%02i", c.kind, c.code);
        if (c.a >= 0) {
            length += std::snprintf(header + length, sizeof header - length, "%i,", c.a);
            if (c.b >= 0) {
                std::snprintf(header + length, sizeof header - length, "%i", c.b);
            }
        }
        const std::string written = Write(probe);
        const std::size_t fieldLine = written.find("\r\n") + 2;
        EXPECT_EQ(written.substr(fieldLine, written.find("\r\n", fieldLine) - fieldLine),
                  std::string(header) + "v")
            << c.kind << " " << c.code;
    }
}

TEST(DocumentFormat, RoundTripIsByteIdentical) {
    CRoot root;
    auto* first = new CRecord("first", {{1, "line one\r\n\r\nline three"}, {2, "payload", 3}});
    first->AppendTo(&root, true);
    (new CRecord("", {{1, "x"}}))->AppendTo(first, true);
    (new CRecord("second"))->AppendTo(&root, true);

    const std::string bytes = Write(root);
    EXPECT_EQ(bytes.substr(0, 20), "61463003\r\n6146300Des");
    CRoot copy;
    ASSERT_TRUE(Read(copy, bytes));
    ASSERT_EQ(copy.GetChildCount(), 2);
    ASSERT_EQ(ChildAt(copy, 0).fields.size(), 2u);
    EXPECT_EQ(ChildAt(copy, 0).fields[0].value, "line one\r\n\r\nline three");
    EXPECT_EQ(ChildAt(copy, 0).fields[1].value, "3,payload");
    EXPECT_EQ(ChildAt(copy, 0).GetChildAt(0)->GetName(), "");
    EXPECT_EQ(Write(copy), bytes);
}

// A field's code is read as a number from its two places, however it is written there;
// seven plain digits are only the usual case.
TEST(DocumentFormat, CodesWrittenAnyWayReadAsNumbers) {
    const struct {
        std::string line;
        int code;
        std::string value;
    } cases[] = {
        {"5000103v", 3, "v"},  {"50001 3v", 3, "v"}, {"50001+3v", 3, "v"}, {"500013v", 3, ""},
        {"50001-3v", -3, "v"}, {"50001 v", 0, ""},   {"500010", 0, ""},    {"5000142", 42, ""},
        {"50001x3v", 0, "v"},  {"50001 9v", 9, "v"}, {"5000109", 9, ""},   {"50001089", 8, "9"},
    };
    for (const auto& c : cases) {
        CRoot root;
        ASSERT_TRUE(Read(root, "61463003\r\n6146300Desktop\r\n5000100r\r\n" + c.line + "\r\n"));
        ASSERT_EQ(root.GetChildCount(), 1) << c.line;
        const CRecord& record = ChildAt(root, 0);
        const bool opensChild = c.code == 0;
        ASSERT_EQ(record.fields.size(), opensChild ? 0u : 1u) << c.line;
        if (opensChild) {
            ASSERT_EQ(record.GetChildCount(), 1) << c.line;
            EXPECT_EQ(record.GetChildAt(0)->GetName(), c.value) << c.line;
        } else {
            EXPECT_EQ(record.fields[0].code, c.code) << c.line;
            EXPECT_EQ(record.fields[0].value, c.value) << c.line;
        }
    }
}

// An empty record is read past without an item only when its closing line is whole in the
// file's buffer; otherwise its item is made and reads nothing. Reading goes on after it.
TEST(DocumentFormat, AnEmptyRecordIsReadPastWithoutAnItem) {
    const struct {
        std::string record;
        int emptyChildren;
        int children;
    } cases[] = {
        {"5000100a\r\n5000199\r\n", 1, 0},
        {"5000100a\n5000199\n", 1, 0},
        {"5000100a\r\n6000099\r\n", 1, 0},  // a closing line of any kind closes
        {"5000100a\r\n5000101x\r\n5000199\r\n", 0, 1},
        {"5000100a\r\n5000100b\r\n5000199\r\n5000199\r\n", 0, 1},
    };
    for (const auto& c : cases) {
        CSparseRecord root;
        ASSERT_TRUE(Read(root, "6146300Desktop\r\n" + c.record + "5000102after\r\n"));
        EXPECT_EQ(root.emptyChildren, c.emptyChildren) << c.record;
        EXPECT_EQ(root.GetChildCount(), c.children) << c.record;
        ASSERT_EQ(root.fields.size(), 1u) << c.record;
        EXPECT_EQ(root.fields[0].value, "after") << c.record;
    }
    // At the end of the file, the closing line without its end is not whole in the buffer.
    for (const std::string tail : {"5000100a\r\n5000199", "5000100a\r\n5000199\r", "5000100a"}) {
        CSparseRecord root;
        ASSERT_TRUE(Read(root, "6146300Desktop\r\n" + tail));
        EXPECT_EQ(root.emptyChildren, 0) << tail;
        EXPECT_EQ(root.GetChildCount(), 1) << tail;
    }
}

TEST(DocumentFormat, AValueCannotInjectLines) {
    CRoot root;
    (new CRecord("r", {{1, "x\n5000199\n5000100Evil"}}))->AppendTo(&root, true);
    CRoot copy;
    ASSERT_TRUE(Read(copy, Write(root)));
    ASSERT_EQ(copy.GetChildCount(), 1);
    ASSERT_EQ(ChildAt(copy, 0).fields.size(), 1u);
    EXPECT_EQ(ChildAt(copy, 0).fields[0].value, "x\r\n5000199\r\n5000100Evil");
    EXPECT_EQ(ChildAt(copy, 0).GetChildCount(), 0);
}

TEST(DocumentFormat, VersionOnTheFirstLineOnlyClosingCodeOfAnyKindMissingEnd) {
    const struct {
        std::string bytes;
        bool loads;
        int children;
    } cases[] = {
        {"61463002\r\n6146300Desktop\r\n6146399\r\n", true, 0},
        {"61463003\n6146300Desktop\n5000100a\n5000199\n6146399\n", true, 1},
        {"61463004\r\n6146300Desktop\r\n", false, 0},
        {"61463001\r\n", false, 0},
        {"garbage\r\n", false, 0},
        {"61463003\r\n61463004\r\n5000100a\r\n", true, 1},  // a later "4" is not a version
        {"", true, 0},
        {"1234599\r\n", true, 0},  // code 99 on the first line closes at once
        // The child closes with another kind's code 99; the file then just stops.
        {"61463003\r\n5000100a\r\n1234599\r\n5000100b\r\n5000101text", true, 2},
    };
    for (const auto& c : cases) {
        CRoot root;
        EXPECT_EQ(Read(root, c.bytes), c.loads) << c.bytes;
        EXPECT_EQ(root.GetChildCount(), c.children) << c.bytes;
    }
}

TEST(DocumentFormat, HostileBytesLoadWithoutHarm) {
    std::string deep = "61463003\r\n";
    for (int i = 0; i < 200000; ++i) {
        deep += "5000100n\r\n";
    }
    for (const std::string& input : {
             deep,
             std::string("61463003\r\n\0\0\0\0\0\0\0\0\0\r\n", 20),
             std::string("61463003\r\n5\r\n500010\r\nabcdefgh\r\n-00001-5x\r\n"),
             "61463003\r\n5000101" + std::string(3 << 20, 'm') + "\r\n",
             std::string("61463003\r\n99999999999999999999\r\n"),
         }) {
        CRoot root;
        Read(root, input);
    }
}

TEST(DocumentFormat, ProgressCountsItemsWrittenAndFollowsLinesRead) {
    CRoot root;
    for (int i = 0; i < 3; ++i) {
        (new CRecord("r"))->AppendTo(&root, true);
    }
    CRecordingStatusDisplay display;
    std::string bytes;
    {
        CStatusProgress progress(&display, "Saving", 0, 0);
        bytes = Write(root, &progress);
        EXPECT_EQ(display.text, "Saving   4");
    }
    {
        CStatusProgress progress(&display, "Opening", static_cast<long long>(bytes.size()), 0);
        CRoot copy;
        Read(copy, bytes, &progress);
    }
    EXPECT_EQ(display.percents.front(), 0);
    EXPECT_EQ(display.percents.back(), 100);
    EXPECT_GT(display.percents.size(), 4u);
}

TEST(ItemSerialization, ArchiveAndProgressAreForgottenAfterTheLoadOrSave) {
    CRecordingStatusDisplay display;
    CStatusProgress progress(&display, "", 100, 0);
    CRoot written;
    (new CRecord("Child", {{1, "x"}}))->AppendTo(&written, true);
    const std::string bytes = Write(written, &progress);
    EXPECT_FALSE(written.HoldsArchive());
    EXPECT_FALSE(ChildAt(written, 0).HoldsArchive());

    CRoot read;
    ASSERT_TRUE(Read(read, bytes, &progress));
    ASSERT_EQ(read.GetChildCount(), 1);
    EXPECT_FALSE(read.HoldsArchive());
    EXPECT_FALSE(ChildAt(read, 0).HoldsArchive());
}
