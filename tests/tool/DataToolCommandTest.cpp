// Runs the lexamo-data command as its users do: exit status, messages and
// the files it leaves behind.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "tools/lexamo-data/DataFileWriter.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int Status;
    std::string Output;  // standard output and standard error together
};

ToolRun RunTool(const std::string& arguments)
{
    const std::string command = std::string(LEXAMO_DATA_TOOL) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ToolRun run{-1, {}};
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.Output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class DataToolCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        Folder = fs::temp_directory_path() / ("lexamo-tool-" + std::to_string(::getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Folder);
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::string PathOf(const std::string& name) const { return (Folder / name).string(); }
    void WriteText(const std::string& name, const std::string& text) const
    {
        std::ofstream(Folder / name, std::ios::binary) << text;
    }
    // A full, valid tense text of count verbs.
    static std::string CourseText(int count)
    {
        std::ostringstream text;
        for (int verb = 1; verb <= count; ++verb)
            text << '#' << verb << "#\nVerb " << verb << "\nparler\nparle\nparles\nparle\nparlons\nparlez\nparlent\n";
        return text.str();
    }
    void WriteCourse(const std::string& folder, const std::string& changedFile, const std::string& changedText)
    {
        fs::create_directories(Folder / folder);
        const char* files[] = {"present", "futurcompose", "passerecent", "passecompose",
                               "imparfait", "conditionnel", "subjonctif", "futursimple"};
        for (const std::string file : files) {
            const std::string text =
                file == changedFile ? changedText : CourseText(file == "passecompose" ? 368 : 366);
            if (text.empty())
                continue;
            const EncodedDataFile encoded = EncodeDataFile(text);
            ASSERT_FALSE(encoded.Error);
            ASSERT_EQ(WriteFileAtomically((Folder / folder / (file + ".dat")).string(), encoded.Bytes), "");
        }
    }

    fs::path Folder;
};

TEST_F(DataToolCommandTest, EncryptThenDecryptGivesTheTextBack)
{
    WriteText("in.txt", "#1#\nsein\nêtre\n");
    const ToolRun encrypt = RunTool("encrypt " + PathOf("in.txt") + " " + PathOf("out.dat"));
    ASSERT_EQ(encrypt.Status, 0) << encrypt.Output;

    const ToolRun raw = RunTool("decrypt " + PathOf("out.dat"));
    EXPECT_EQ(raw.Status, 0);
    EXPECT_EQ(raw.Output, "#1#\r\nsein\r\n\xEAtre\r\n");
    const ToolRun utf8 = RunTool("decrypt --utf8 " + PathOf("out.dat"));
    EXPECT_EQ(utf8.Status, 0);
    EXPECT_EQ(utf8.Output, "#1#\r\nsein\r\nêtre\r\n");
}

TEST_F(DataToolCommandTest, ErrorsNameTheFileAndLeaveNothingBehind)
{
    WriteText("bad.txt", "#1#\nsein\nêtre → x\n");
    WriteText("garbage.dat", std::string(25, 'x'));
    struct Case {
        std::string Arguments;
        std::string Says;
    };
    const Case cases[] = {
        {"encrypt " + PathOf("bad.txt") + " " + PathOf("bad.dat"), PathOf("bad.txt") + ":3: character '→'"},
        {"encrypt " + PathOf("missing.txt") + " " + PathOf("x.dat"), PathOf("missing.txt") + ": cannot be read"},
        {"encrypt " + PathOf("bad.txt") + " " + PathOf("no/such/folder.dat"), PathOf("bad.txt") + ":3"},
        {"decrypt " + PathOf("missing.dat"), PathOf("missing.dat") + ": cannot be opened"},
        {"decrypt " + PathOf("garbage.dat"), PathOf("garbage.dat") + ": cannot be decrypted"},
        {"frobnicate", "usage:"},
        {"", "usage:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments);
        const ToolRun run = RunTool(c.Arguments);
        EXPECT_EQ(run.Status, 1);
        EXPECT_NE(run.Output.find(c.Says), std::string::npos) << run.Output;
    }
    EXPECT_FALSE(fs::exists(Folder / "bad.dat"));
    EXPECT_FALSE(fs::exists(Folder / "bad.dat.tmp"));
    EXPECT_FALSE(fs::exists(Folder / "x.dat"));

    WriteText("good.txt", "#1#\n");
    const ToolRun unwritable = RunTool("encrypt " + PathOf("good.txt") + " " + PathOf("no/such/folder.dat"));
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_NE(unwritable.Output.find(PathOf("no/such/folder.dat") + ": cannot create"), std::string::npos)
        << unwritable.Output;
}

TEST_F(DataToolCommandTest, CheckAcceptsAWholeCourse)
{
    WriteCourse("Verben", "", "");
    const ToolRun run = RunTool("check " + PathOf("Verben"));
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_NE(run.Output.find("8 of 8 files read, 2930 records checked, 0 problems"), std::string::npos)
        << run.Output;
}

TEST_F(DataToolCommandTest, CheckReportsEveryProblemOnItsOwnLine)
{
    std::string present = CourseText(366);
    // Verb 12 loses its marker, verb 20 gets verb 19's prompt, verb 30's
    // French infinitive becomes a line of hashes, the last record is cut short.
    present.replace(present.find("#12#"), 4, "#XX#");
    present.replace(present.find("Verb 20\n"), 8, "Verb 19\n");
    present.replace(present.find("Verb 30\nparler"), 14, "Verb 30\n##");
    present.resize(present.find("#366#") + 20);
    WriteCourse("Verben", "present", present);
    fs::remove(Folder / "Verben" / "subjonctif.dat");

    const ToolRun run = RunTool("check " + PathOf("Verben"));
    EXPECT_EQ(run.Status, 1);
    const std::string file = PathOf("Verben/present.dat");
    for (const std::string& line : {
             file + ": verb 12: marker #12# missing",
             file + ":172: verb 20: German prompt \"Verb 19\" is also the prompt of verb 19",
             file + ":262: verb 30: French infinitive is empty",
             file + ":3286: verb 366: record has fewer than eight field lines",
             PathOf("Verben/subjonctif.dat") + ": cannot be opened",
             std::string("7 of 8 files read, 2564 records checked, 5 problems"),
         }) {
        EXPECT_NE(run.Output.find(line + "\n"), std::string::npos) << line << "\n--- output:\n" << run.Output;
    }
}

}  // namespace
