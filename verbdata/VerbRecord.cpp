#include "verbdata/VerbRecord.h"

#include <charconv>
#include <optional>

namespace {

constexpr int FieldCount = 1 + QuizRowCount;  // German infinitive + solutions

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

std::optional<std::size_t> FindMarker(std::string_view text, int number)
{
    char buffer[16] = {'#'};
    const std::to_chars_result digits = std::to_chars(buffer + 1, buffer + sizeof buffer - 1, number);
    *digits.ptr = '#';
    const std::string_view marker(buffer, static_cast<std::size_t>(digits.ptr + 1 - buffer));
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    return at;
}

// Splits the text from pos into lines; runs of CR and LF separate lines and
// empty lines count for nothing.
class LineReader {
public:
    LineReader(std::string_view text, std::size_t pos) : Text(text), Pos(pos) {}

    std::optional<std::string_view> Next()
    {
        while (Pos < Text.size() && IsLineEnd(Text[Pos]))
            ++Pos;
        if (Pos >= Text.size())
            return std::nullopt;
        const std::size_t start = Pos;
        while (Pos < Text.size() && !IsLineEnd(Text[Pos]))
            ++Pos;
        return Text.substr(start, Pos - start);
    }

private:
    std::string_view Text;
    std::size_t Pos;
};

std::string_view TrimHashes(std::string_view field)
{
    const std::size_t first = field.find_first_not_of('#');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = field.find_last_not_of('#');
    return field.substr(first, last - first + 1);
}

}  // namespace

VerbRecord FindVerbRecord(std::string_view text, int number)
{
    VerbRecord record;
    const std::optional<std::size_t> marker = FindMarker(text, number);
    if (!marker)
        return record;

    LineReader lines(text, *marker);
    lines.Next();  // the marker's own line
    for (int field = 0; field < FieldCount; ++field) {
        const std::optional<std::string_view> line = lines.Next();
        if (!line)
            break;
        std::string value(TrimHashes(*line));
        if (field == 0)
            record.GermanInfinitive = std::move(value);
        else
            record.Solutions[field - 1] = std::move(value);
    }
    return record;
}

bool HasCompleteRecord(std::string_view text, int number)
{
    const std::optional<std::size_t> marker = FindMarker(text, number);
    if (!marker)
        return false;
    LineReader lines(text, *marker);
    lines.Next();
    for (int field = 0; field < FieldCount; ++field) {
        if (!lines.Next())
            return false;
    }
    return true;
}
