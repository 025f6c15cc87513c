#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "items/CArchive.h"
#include "items/CItem.h"
#include "platform/CFile.h"
#include "platform/CStatusProgress.h"
#include "platform/StatusDisplay.h"

namespace {
constexpr int kRootKind = 61463;
constexpr int kRecordKind = 50001;

// A record with a multi-line text (code 1), two numbers ahead of a text (code 2) and
// child records: the shapes every real kind uses.
class CRecord : public CItem {
public:
    explicit CRecord(const std::string& name) : CItem(name) { SetKind(kRecordKind); }

    void WriteFields() override {
        WriteLine(1, text);
        if (!numbered.empty()) {
            WriteLine(2, numbered, a, b);
        }
    }
    void ReadField(long kind, int code, const std::string& line) override {
        if (kind == kRecordKind && code == 0) {
            auto* child = new CRecord(line);
            child->AppendTo(this, true);
            child->Serialize(*GetArchive(), GetProgress());
        } else if (kind == kRecordKind && code == 1) {
            text += (text.empty() ? "" : "\r\n") + line;
        } else if (kind == kRecordKind && code == 2) {
            numbered = line;
        }
    }

    std::string text;
    std::string numbered;
    int a = -1;
    int b = -1;
};

class CRoot : public CRecord {
public:
    CRoot() : CRecord("Desktop") { SetKind(kRootKind); }
    int GetMinFileVersion() const override { return 2; }
    int GetFileVersion() const override { return 3; }
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

std::vector<std::string> ReadLines(const std::string& bytes) {
    auto file = CFile::ReadMemory(bytes);
    CArchive archive(*file, CArchive::Mode::Load);
    std::vector<std::string> lines;
    std::string line;
    while (archive.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
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
        {"", {}},
        {std::string("n\0ul\n", 5), {std::string("n\0ul", 4)}},
        {"end\r", {"end"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLines(c.bytes), c.lines);
    }
}

TEST(WriteLine, SplitsValuesAtEveryLineEnd) {
    const struct {
        int code;
        std::string value;
        int a, b;
        std::string written;
    } cases[] = {
        {1, "one", -1, -1, "5000101one\r\n"},
        {1, "", -1, -1, ""},
        {0, "", -1, -1, "5000100\r\n"},
        {99, "", -1, -1, "5000199\r\n"},
        {1, "x\r\ny", -1, -1, "5000101x\r\n5000101y\r\n"},
        {1, "x\r\n", -1, -1, "5000101x\r\n"},
        {1, "x\r\n\r\ny", -1, -1, "5000101x\r\n5000101\r\n5000101y\r\n"},
        {1, "x\ny\rz", -1, -1, "5000101x\r\n5000101y\r\n5000101z\r\n"},
        {3, "t", 2, -1, "50001032,t\r\n"},
        {3, "t", 2, 7, "50001032,7t\r\n"},
        {3, "t", -1, 7, "5000103t\r\n"},
        {3, "a\r\nb", 1, -1, "50001031,a\r\n50001031,b\r\n"},
    };
    for (const auto& c : cases) {
        auto file = CFile::WriteMemory();
        CArchive archive(*file, CArchive::Mode::Store);
        // Lines are written while an item serializes; the probe writes one field.
        class CProbe : public CItem {
        public:
            CProbe(int code, std::string value, int a, int b)
                : CItem("p"), m_code(code), m_value(std::move(value)), m_a(a), m_b(b) {
                SetKind(kRecordKind);
            }
            void WriteFields() override { WriteLine(m_code, m_value, m_a, m_b); }

        private:
            int m_code;
            std::string m_value;
            int m_a, m_b;
        } probe(c.code, c.value, c.a, c.b);
        probe.Serialize(archive, nullptr);
        const std::string expected = "5000100p\r\n" + c.written + "5000199\r\n";
        EXPECT_EQ(file->Contents(), expected) << c.value;
    }
}

TEST(DocumentFormat, RoundTripIsByteIdentical) {
    CRoot root;
    auto* first = new CRecord("first");
    first->text = "line one\r\n\r\nline three";
    first->numbered = "payload";
    first->a = 3;
    first->AppendTo(&root, true);
    auto* nested = new CRecord("");
    nested->text = "x";
    nested->AppendTo(first, true);
    (new CRecord("second"))->AppendTo(&root, true);

    const std::string bytes = Write(root);
    EXPECT_EQ(bytes.substr(0, 20), "61463003\r\n6146300Des");

    CRoot copy;
    ASSERT_TRUE(Read(copy, bytes));
    ASSERT_EQ(copy.GetChildCount(), 2);
    auto* readFirst = static_cast<CRecord*>(copy.GetChildAt(0));
    EXPECT_EQ(readFirst->text, "line one\r\n\r\nline three");
    EXPECT_EQ(readFirst->numbered, "3,payload");
    EXPECT_EQ(readFirst->GetChildAt(0)->GetName(), "");
    EXPECT_EQ(copy.GetChildAt(1)->GetName(), "second");
    EXPECT_EQ(Write(copy), bytes);
}

TEST(DocumentFormat, AValueCannotInjectLines) {
    CRoot root;
    auto* record = new CRecord("r");
    record->text = "x\n5000199\n5000100Evil";
    record->AppendTo(&root, true);
    CRoot copy;
    ASSERT_TRUE(Read(copy, Write(root)));
    ASSERT_EQ(copy.GetChildCount(), 1);
    EXPECT_EQ(static_cast<CRecord*>(copy.GetChildAt(0))->text, "x\r\n5000199\r\n5000100Evil");
    EXPECT_EQ(copy.GetChildAt(0)->GetChildCount(), 0);
}

TEST(DocumentFormat, VersionLineIsCheckedOnTheFirstLineOnly) {
    const struct {
        std::string bytes;
        bool loads;
        int children;
    } cases[] = {
        {"61463002\r\n6146300Desktop\r\n6146399\r\n", true, 0},
        {"61463003\n6146300Desktop\n5000100a\n5000199\n6146399\n", true, 1},
        {"61463004\r\n6146300Desktop\r\n", false, 0},
        {"61463001\r\n", false, 0},
        {"61463000\r\n", false, 0},
        {"garbage\r\n", false, 0},
        {"61463003\r\n61463004\r\n5000100a\r\n", true, 1},  // a later "4" is not a version
        {"", true, 0},
        {"1234599\r\n", true, 0},  // code 99 on the first line closes at once
    };
    for (const auto& c : cases) {
        CRoot root;
        EXPECT_EQ(Read(root, c.bytes), c.loads) << c.bytes;
        EXPECT_EQ(root.GetChildCount(), c.children) << c.bytes;
    }
}

TEST(DocumentFormat, ClosingCodeEndsAnyRecordAndAMissingEndIsAccepted) {
    CRoot root;
    // The child's closing line carries another kind; the file then just stops.
    ASSERT_TRUE(Read(root, "61463003\r\n5000100a\r\n1234599\r\n5000100b\r\n5000101text"));
    ASSERT_EQ(root.GetChildCount(), 2);
    EXPECT_EQ(static_cast<CRecord*>(root.GetChildAt(1))->text, "text");
}

TEST(DocumentFormat, HostileBytesLoadWithoutHarm) {
    std::string deep = "61463003\r\n";
    for (int i = 0; i < 200000; ++i) {
        deep += "5000100n\r\n";
    }
    const std::vector<std::string> inputs = {
        deep,
        std::string("61463003\r\n\0\0\0\0\0\0\0\0\0\r\n", 20),
        "61463003\r\n5\r\n50\r\n500010\r\n5000100\r\nabcdefgh\r\n-00001-5x\r\n",
        "61463003\r\n5000101" + std::string(3 << 20, 'm') + "\r\n",
        std::string(100000, '\r'),
        "61463003\r\n99999999999999999999\r\n",
    };
    for (const auto& input : inputs) {
        CRoot root;
        Read(root, input);
    }
    SUCCEED();
}

namespace {
class CCountingDisplay : public IStatusDisplay {
public:
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::string GetStatusText() const override { return ""; }
    void SetStatusText(const std::string& text) override { lastText = text; }
    void ShowProgressBar() override {}
    void SetProgressPercent(int percent) override { percents.push_back(percent); }
    void HideProgressBar() override {}
    std::string lastText;
    std::vector<int> percents;
};
}  // namespace

TEST(DocumentFormat, ProgressCountsItemsWrittenAndFollowsLinesRead) {
    CRoot root;
    for (int i = 0; i < 3; ++i) {
        (new CRecord("r"))->AppendTo(&root, true);
    }
    CCountingDisplay display;
    std::string bytes;
    {
        CStatusProgress progress(&display, "Saving", 0, 0);
        bytes = Write(root, &progress);
        EXPECT_EQ(display.lastText, "Saving   4");
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
