// lexamo-data: writes, reads and checks the encrypted course files.
//
//   lexamo-data encrypt IN.txt OUT.dat    UTF-8 text -> encrypted data file
//   lexamo-data decrypt [--utf8] FILE.dat the text as the program reads it
//   lexamo-data check DIR                 checks the eight files of a Verben folder

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/lexamo-data/CourseCheck.h"
#include "tools/lexamo-data/DataFileWriter.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/Windows1252.h"

namespace {

constexpr const char* Usage =
    "usage: lexamo-data encrypt IN.txt OUT.dat\n"
    "       lexamo-data decrypt [--utf8] FILE.dat\n"
    "       lexamo-data check DIR\n";

int Fail(const std::string& message)
{
    std::cerr << "lexamo-data: " << message << '\n';
    return 1;
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    contents = std::move(buffer).str();
    return true;
}

int Encrypt(const std::string& in, const std::string& out)
{
    std::string text;
    if (!ReadWholeFile(in, text))
        return Fail(in + ": cannot be read");
    const EncodedDataFile encoded = EncodeDataFile(text);
    if (encoded.Error)
        return Fail(in + ":" + std::to_string(encoded.Error->first) + ": " + encoded.Error->second);
    if (const std::string error = WriteFileAtomically(out, encoded.Bytes); !error.empty())
        return Fail(out + ": " + error);
    return 0;
}

int Decrypt(const std::string& file, bool utf8)
{
    const LoadResult loaded = LoadEncryptedText(file);
    if (loaded.Failure) {
        return Fail(file + (loaded.Failure->Kind == FatalErrorKind::FileNotLoadable
                                ? ": cannot be opened"
                                : ": cannot be decrypted (damaged, or not a course file)"));
    }
    const std::string text = utf8 ? Windows1252::ToUtf8(loaded.Text) : loaded.Text;
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}

int Check(const std::string& folder)
{
    const CourseCheckSummary summary = CheckCourseFolder(folder);
    for (const CourseProblem& problem : summary.Problems)
        std::cout << FormatProblem(problem) << '\n';
    std::cout << summary.FilesChecked << " of 8 files read, " << summary.RecordsChecked << " records checked, "
              << summary.Problems.size() << (summary.Problems.size() == 1 ? " problem" : " problems") << '\n';
    return summary.Problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "encrypt")
        return Encrypt(args[1], args[2]);
    if (args.size() == 2 && args[0] == "decrypt")
        return Decrypt(args[1], false);
    if (args.size() == 3 && args[0] == "decrypt" && args[1] == "--utf8")
        return Decrypt(args[2], true);
    if (args.size() == 2 && args[0] == "check")
        return Check(args[1]);
    std::cerr << Usage;
    return 1;
}
