#include "verbdata/EncryptedTextReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "verbdata/VerbCipher.h"

namespace fs = std::filesystem;

namespace {

class RecordingObserver : public ChunkObserver {
public:
    void OnDecrypt(std::size_t chunkSize, bool final) override { Calls.emplace_back(chunkSize, final); }
    std::vector<std::pair<std::size_t, bool>> Calls;
};

// Runs each test in a fresh current directory with a Verben folder, as the
// program sees its data.
class EncryptedTextReaderTest : public testing::Test {
protected:
    void SetUp() override
    {
        Previous = fs::current_path();
        Folder = fs::temp_directory_path() / ("lexamo-reader-" + std::to_string(::getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Folder);
        fs::create_directories(Folder / "Verben");
        fs::current_path(Folder);
    }
    void TearDown() override
    {
        fs::current_path(Previous);
        fs::remove_all(Folder);
    }

    static void WriteBytes(const std::string& name, std::string_view bytes)
    {
        std::ofstream(fs::path("Verben") / name, std::ios::binary).write(bytes.data(), bytes.size());
    }
    static std::string Encrypted(std::string_view plaintext)
    {
        return VerbCipher::Encrypt(VerbCipher::PasswordKey(), plaintext);
    }

    fs::path Previous;
    fs::path Folder;
};

std::string PatternText(std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + i % 26);
    return text;
}

TEST_F(EncryptedTextReaderTest, ReadsThroughTheCataloguePath)
{
    const std::string text = "#1#\r\nsein\r\nêtre\r\n";
    WriteBytes("present.dat", Encrypted(text));
    const LoadResult result = LoadEncryptedText(".\\Verben\\present.dat");
    ASSERT_FALSE(result.Failure);
    EXPECT_EQ(result.Text, text);
}

TEST_F(EncryptedTextReaderTest, DecryptsInChunksOfAThousandBytes)
{
    struct Case {
        const char* Label;
        std::size_t PlainSize;
        std::vector<std::pair<std::size_t, bool>> Calls;
    };
    const Case cases[] = {
        {"one byte of text, one short chunk", 1, {{8, true}}},
        {"just under a chunk", 991, {{992, true}}},
        {"two full chunks and a short one", 2500, {{1000, false}, {1000, false}, {504, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        const std::string text = PatternText(c.PlainSize);
        WriteBytes("t.dat", Encrypted(text));
        RecordingObserver observer;
        const LoadResult result = LoadEncryptedText("Verben/t.dat", &observer);
        ASSERT_FALSE(result.Failure);
        EXPECT_EQ(result.Text, text);
        EXPECT_EQ(observer.Calls, c.Calls);
    }
}

TEST_F(EncryptedTextReaderTest, EmptyFileGivesEmptyTextWithoutDecrypting)
{
    WriteBytes("empty.dat", "");
    RecordingObserver observer;
    const LoadResult result = LoadEncryptedText("Verben/empty.dat", &observer);
    EXPECT_FALSE(result.Failure);
    EXPECT_EQ(result.Text, "");
    EXPECT_TRUE(observer.Calls.empty());
}

// A file of whole chunks never gets a final call, so its padding stays in
// the text; the data tool avoids writing such files.
TEST_F(EncryptedTextReaderTest, FileOfWholeChunksKeepsItsPadding)
{
    const std::string text = PatternText(1992);
    const std::string cipher = Encrypted(text);
    ASSERT_EQ(cipher.size(), 2000u);
    WriteBytes("whole.dat", cipher);
    RecordingObserver observer;
    const LoadResult result = LoadEncryptedText("Verben/whole.dat", &observer);
    ASSERT_FALSE(result.Failure);
    EXPECT_EQ(result.Text, text + std::string(8, '\x08'));
    EXPECT_EQ(observer.Calls, (std::vector<std::pair<std::size_t, bool>>{{1000, false}, {1000, false}}));
}

TEST_F(EncryptedTextReaderTest, NulCutsOnlyItsOwnChunk)
{
    std::string text = PatternText(2500);
    text[10] = '\0';    // first chunk: only "abcdefghij" survives
    text[1500] = '\0';  // second chunk: cut in its middle
    WriteBytes("nul.dat", Encrypted(text));
    const LoadResult result = LoadEncryptedText("Verben/nul.dat");
    ASSERT_FALSE(result.Failure);
    EXPECT_EQ(result.Text, text.substr(0, 10) + text.substr(1000, 500) + text.substr(2000));
}

TEST_F(EncryptedTextReaderTest, DamagedFilesAreUnexpectedErrors)
{
    const std::string good = Encrypted(PatternText(1500));
    struct Case {
        const char* Label;
        std::string Bytes;
    };
    std::string badPadding = Encrypted(std::string("abcdefg\x09", 8)).substr(0, 8);
    const Case cases[] = {
        {"length no multiple of eight", good.substr(0, good.size() - 3)},
        {"last chunk not whole blocks", good.substr(0, 1007)},
        {"bad padding", badPadding},
        {"a chunk of garbage", std::string(500, 'z')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        WriteBytes("bad.dat", c.Bytes);
        const LoadResult result = LoadEncryptedText(".\\Verben\\bad.dat");
        ASSERT_TRUE(result.Failure);
        EXPECT_EQ(result.Failure->Kind, FatalErrorKind::UnexpectedError);
        EXPECT_EQ(result.Failure->Path, "");
    }
}

TEST_F(EncryptedTextReaderTest, FilesThatCannotBeOpenedNameTheCataloguePath)
{
    fs::create_directory("Verben/folder.dat");
    const char* paths[] = {
        ".\\Verben\\missing.dat",
        ".\\Verben\\folder.dat",
        ".\\Elsewhere\\present.dat",
        "",
    };
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        const LoadResult result = LoadEncryptedText(path);
        ASSERT_TRUE(result.Failure);
        EXPECT_EQ(result.Failure->Kind, FatalErrorKind::FileNotLoadable);
        EXPECT_EQ(result.Failure->Path, path);
    }
}

// Permissions do not stop root, and the tests may run as root; a socket in
// the file's place cannot be opened by anyone.
TEST_F(EncryptedTextReaderTest, UnreadableFileCannotBeLoaded)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (Folder / "Verben" / "socket.dat").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    WriteBytes("locked.dat", Encrypted("x"));
    fs::permissions("Verben/locked.dat", fs::perms::none);
    std::vector<std::string> paths = {".\\Verben\\socket.dat"};
    if (::geteuid() != 0)
        paths.push_back(".\\Verben\\locked.dat");
    for (const std::string& path : paths) {
        const LoadResult result = LoadEncryptedText(path);
        ASSERT_TRUE(result.Failure) << path;
        EXPECT_EQ(result.Failure->Kind, FatalErrorKind::FileNotLoadable);
        EXPECT_EQ(result.Failure->Path, path);
    }
    ::close(fd);
}

}  // namespace
