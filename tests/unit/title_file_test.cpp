#include "titles/title_file.h"
#include "titles/title_text.h"

#include "fake_code_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace blenker {
namespace {

namespace fs = std::filesystem;
using test::kLatin1;
using Titles = std::vector<std::string>;

// The replace step of a save, for these tests (the program moves the file in one step).
bool MoveOver(const std::string& from, const std::string& to) {
    std::remove(to.c_str());
    return std::rename(from.c_str(), to.c_str()) == 0;
}

TitleList Parsed(std::string_view text, bool caseSensitive = false) {
    TitleList list;
    list.SetCaseSensitive(caseSensitive);
    ParseTitleFile(text, list);
    return list;
}

TEST(TitleFileParseTest, TrimsAndSkipsEmptyAndDuplicateLines) {
    const std::string_view text = "  Welcome  \r\n\r\nwelcome\r\nWelcome\r\n";
    EXPECT_EQ(Parsed(text).Titles(), Titles({"Welcome"}));
    EXPECT_EQ(Parsed(text, true).Titles(), Titles({"Welcome", "welcome"}));
    // Blank lines of any white space, the last one without a line end.
    EXPECT_EQ(Parsed(" \t\r\n\v\f\n\r\n\n  x\t\r\n \r").Titles(), Titles({"x"}));
    EXPECT_TRUE(Parsed("").Titles().empty());
}

TEST(TitleFileParseTest, AcceptsBothLineEndsAndAnUnendedLastLine) {
    EXPECT_EQ(Parsed("b\na\nc").Titles(), Titles({"a", "b", "c"}));
    EXPECT_EQ(Parsed("b\r\na\r\nc").Titles(), Titles({"a", "b", "c"}));
    EXPECT_EQ(Parsed("b\r\na\nc\r\n").Titles(), Titles({"a", "b", "c"}));
    // A CR alone inside a line does not end it.
    EXPECT_EQ(Parsed("one\rtwo\n").Titles(), Titles({"one\rtwo"}));
}

TEST(TitleFileParseTest, LoadsAnyTitleInSortedOrderNextToExistingEntries) {
    // The own-name rules of AddTitle do not apply to the file.
    EXPECT_EQ(Parsed("zeta\nThe\nBlenker setup\nAlpha\n").Titles(),
              Titles({"Alpha", "Blenker setup", "The", "zeta"}));
    TitleList list;
    list.Insert("Info iFrance");
    ParseTitleFile("info ifrance\nNew\n", list);
    EXPECT_EQ(list.Titles(), Titles({"Info iFrance", "New"}));
}

TEST(TitleFileParseTest, FormatsEveryEntryWithCrLf) {
    TitleList list;
    EXPECT_EQ(FormatTitleFile(list), "");
    ParseTitleFile("Welcome to a Tripod Member Page\nInfo iFrance\nLes sponsors de Chez", list);
    EXPECT_EQ(FormatTitleFile(list),
              "Info iFrance\r\nLes sponsors de Chez\r\nWelcome to a Tripod Member Page\r\n");
}

// The load puts all lines in place at once; it must give the list that adding them one by one
// gives: the same entries, the first of each duplicate, the same order.
TEST(TitleFileParseTest, LoadsAsAddingTheLinesOneByOne) {
    std::mt19937 random(14);
    // Latin-1 bytes that are no UTF-8 (compared as they are), UTF-8 "été" and "ÉTÉ", 'k' and
    // the Kelvin sign, Greek sigma in its three forms.
    const char* const words[] = {"pop", "Pop", "POP", "\xE9t\xE9", "\xC9T\xC9",
                                 "\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", "k", "\xE2\x84\xAA",
                                 "\xCF\x83", "\xCF\x82", "\xCE\xA3", "up",  "Up",  " ",   "-"};
    for (int round = 0; round < 200; ++round) {
        const bool caseSensitive = round % 2 == 0;
        TitleList fast;
        TitleList slow;
        fast.SetCaseSensitive(caseSensitive);
        slow.SetCaseSensitive(caseSensitive);
        std::string text;
        for (int line = random() % 40; line > 0; --line) {
            for (int word = random() % 3; word >= 0; --word) {
                text += words[random() % std::size(words)];
            }
            text += random() % 3 == 0 ? "\r\n" : "\n";
        }
        if (round % 4 == 1) {  // into a list that has entries already
            ParseTitleFile("Up\npop", fast);
            ParseTitleFile("Up\npop", slow);
        }
        ParseTitleFile(text, fast);
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t end = std::min(text.find('\n', from), text.size());
            // The rule, one line at a time: trimmed, not empty, not listed yet.
            const std::string_view line =
                TrimCSpace(std::string_view(text).substr(from, end - from));
            if (!line.empty() && !slow.TitleExists(line)) {
                slow.Insert(std::string(line));
            }
            from = end + 1;
        }
        ASSERT_EQ(fast.Titles(), slow.Titles()) << text;
    }
}

// Hands out its text in pieces of "piece" bytes at most, then either ends or fails like a
// disk that went away. When "failWithLastPiece" is set, the failure comes with the last piece.
class PieceReader {
  public:
    PieceReader(std::string text, std::size_t piece, bool fail, bool failWithLastPiece = false)
        : m_text(std::move(text)),
          m_piece(piece),
          m_fail(fail),
          m_failWithLastPiece(failWithLastPiece) {}

    std::size_t operator()(char* buffer, std::size_t size, bool& failed) {
        EXPECT_FALSE(m_ended) << "read again after the end or a failure";
        const std::size_t count = std::min({m_piece, size, m_text.size() - m_at});
        m_text.copy(buffer, count, m_at);
        m_at += count;
        if (m_at == m_text.size() && (count == 0 || m_failWithLastPiece)) {
            failed = m_fail;
            m_ended = true;
        }
        return count;
    }

  private:
    std::string m_text;
    std::size_t m_piece;
    bool m_fail;
    bool m_failWithLastPiece;
    std::size_t m_at = 0;
    bool m_ended = false;
};

TEST(TitleFileParseTest, ReadsEveryLineWhateverThePiecesOfTheData) {
    const std::string longTitle(10000, 'x');  // more than one block of the reader
    const std::string text = "b\r\n\n  a  \n" + longTitle + "\r\nb\nc";
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4096}, std::size_t{100000}}) {
        SCOPED_TRACE(piece);
        TitleList list;
        EXPECT_TRUE(ReadTitleData(PieceReader(text, piece, false), list, kLatin1));
        EXPECT_EQ(list.Titles(), Titles({"a", "b", "c", longTitle}));

        TitleList empty;
        EXPECT_TRUE(ReadTitleData(PieceReader("", piece, false), empty, kLatin1));
        EXPECT_EQ(empty.Size(), 0u);
    }
}

TEST(TitleFileParseTest, ReadErrorKeepsTheCompleteLinesReadBefore) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{4}, std::size_t{4096}}) {
        SCOPED_TRACE(piece);
        TitleList list;
        EXPECT_FALSE(ReadTitleData(PieceReader("one\r\ntwo\nthr", piece, true), list, kLatin1));
        EXPECT_EQ(list.Titles(), Titles({"one", "two"}));

        // The bytes handed out with the failure were read: their complete lines count too.
        TitleList withLast;
        EXPECT_FALSE(ReadTitleData(PieceReader("one\r\ntwo\nthr", piece, true, true), withLast, kLatin1));
        EXPECT_EQ(withLast.Titles(), Titles({"one", "two"}));
        TitleList endedLine;
        EXPECT_FALSE(ReadTitleData(PieceReader("one\ntwo\n", piece, true, true), endedLine, kLatin1));
        EXPECT_EQ(endedLine.Titles(), Titles({"one", "two"}));

        TitleList nothing;
        EXPECT_FALSE(ReadTitleData(PieceReader("", piece, true), nothing, kLatin1));
        EXPECT_EQ(nothing.Size(), 0u);

        // The complete lines in the file's encoding: a UTF-8 line is not read through the code
        // page because the next one was cut inside a character, and a UTF-16 line ends with a
        // whole unit 0A 00.
        TitleList utf8;
        EXPECT_FALSE(ReadTitleData(PieceReader("\xC3\xA9t\xC3\xA9\n\xC3", piece, true, true), utf8,
                                   kLatin1));
        EXPECT_EQ(utf8.Titles(), Titles({"\xC3\xA9t\xC3\xA9"}));
        TitleList utf16;
        EXPECT_FALSE(ReadTitleData(
            PieceReader(std::string("\xFF\xFE" "a\0\n\0b\0\x0A", 9), piece, true, true), utf16,
            kLatin1));
        EXPECT_EQ(utf16.Titles(), Titles({"a"}));
    }
}

// Each test works in a fresh folder of its own under the temporary directory.
class TitleFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::mt19937_64 random(std::random_device{}() ^
                               std::chrono::steady_clock::now().time_since_epoch().count());
        do {
            m_dir = fs::temp_directory_path() / ("blenker-title-file-" + std::to_string(random()));
        } while (!fs::create_directory(m_dir));
        m_file = (m_dir / "Blenked.txt").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Temp() const { return (m_dir / "Blenked.txt.tmp").string(); }
    // The names in the folder, sorted.
    Titles Files() const {
        Titles names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
    std::string m_file;
};

TEST_F(TitleFileTest, LoadEmptiesTheListThenReadsTheFile) {
    TitleList list;
    list.Insert("Old");
    Write(m_file, "b\nThe\n\n  a  \nc");
    ASSERT_TRUE(LoadTitleFile(m_file, list, kLatin1));
    EXPECT_EQ(list.Titles(), Titles({"a", "b", "c", "The"}));
    // Written back with CR LF line ends.
    ASSERT_TRUE(SaveTitleFile(m_file, list, kLatin1, MoveOver));
    EXPECT_EQ(Read(m_file), "a\r\nb\r\nc\r\nThe\r\n");

    Write(m_file, "");
    EXPECT_TRUE(LoadTitleFile(m_file, list, kLatin1));
    EXPECT_EQ(list.Size(), 0u);
}

TEST_F(TitleFileTest, LoadFailsWhenTheFileCannotBeRead) {
    TitleList list;
    list.Insert("Old");
    EXPECT_FALSE(LoadTitleFile(m_file, list, kLatin1));
    EXPECT_EQ(list.Size(), 0u);
    list.Insert("Old");
    EXPECT_FALSE(LoadTitleFile(m_dir.string(), list, kLatin1));  // a folder, not a file
    EXPECT_EQ(list.Size(), 0u);
}

TEST_F(TitleFileTest, SaveReplacesTheFileAndLoadsBack) {
    TitleList list;
    ParseTitleFile("Welcome to a Tripod Member Page\nInfo iFrance\nLes sponsors de Chez\n", list);
    Write(m_file, "previous\r\n");
    ASSERT_TRUE(SaveTitleFile(m_file, list, kLatin1, MoveOver));
    EXPECT_EQ(Read(m_file), FormatTitleFile(list));
    EXPECT_EQ(Files(), Titles({"Blenked.txt"}));
    TitleList loaded;
    ASSERT_TRUE(LoadTitleFile(m_file, loaded, kLatin1));
    EXPECT_EQ(loaded.Titles(), list.Titles());
}

TEST_F(TitleFileTest, FailedSaveLeavesThePreviousFileWhole) {
    const std::string previous = "kept\nas it\r\nwas";
    Write(m_file, previous);
    TitleList list;
    list.Insert("new");
    bool replaceCalled = false;
    const auto refuse = [&](const std::string& from, const std::string& to) {
        replaceCalled = true;
        EXPECT_EQ(from, Temp());
        EXPECT_EQ(to, m_file);
        EXPECT_EQ(Read(from), "new\r\n");  // complete and closed before the replace
        return false;
    };
    EXPECT_FALSE(SaveTitleFile(m_file, list, kLatin1, refuse));
    EXPECT_TRUE(replaceCalled);
    EXPECT_EQ(Read(m_file), previous);
    EXPECT_FALSE(fs::exists(Temp()));

    const auto throwing = [](const std::string&, const std::string&) -> bool {
        throw fs::filesystem_error("replace", std::make_error_code(std::errc::io_error));
    };
    EXPECT_FALSE(SaveTitleFile(m_file, list, kLatin1, throwing));
    EXPECT_EQ(Read(m_file), previous);
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(TitleFileTest, SaveFailsWhenTheTemporaryFileCannotBeWritten) {
    TitleList list;
    list.Insert("new");
    const fs::path missing = m_dir / "missing";
    bool replaceCalled = false;
    const auto replace = [&](const std::string&, const std::string&) {
        return replaceCalled = true;
    };
    EXPECT_FALSE(SaveTitleFile((missing / "Blenked.txt").string(), list, kLatin1, replace));
    EXPECT_FALSE(replaceCalled);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_empty(m_dir));
}

}  // namespace
}  // namespace blenker
