#include "verbdata/VerbRecord.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

constexpr int FieldCount = 1 + QuizRowCount;  // German infinitive + solutions

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

std::optional<std::size_t> FindMarker(std::string_view text, int number)
{
    const std::string marker = "#" + std::to_string(number) + "#";
    const auto it = std::search(text.begin(), text.end(),
                                std::boyer_moore_horspool_searcher(marker.begin(), marker.end()));
    if (it == text.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - text.begin());
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
