#include "verbdata/VerbRecord.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Fields = std::vector<std::string>;  // German infinitive, then the seven solutions

Fields FieldsOf(const VerbRecord& record)
{
    Fields fields{record.GermanInfinitive};
    fields.insert(fields.end(), record.Solutions.begin(), record.Solutions.end());
    return fields;
}

const Fields Sein = {"sein", "être", "suis", "es", "est", "sommes", "êtes", "sont"};

struct LookupCase {
    const char* Label;
    std::string Text;
    int Number;
    Fields Expected;
};

TEST(FindVerbRecordTest, Lookups)
{
    const std::string sein = "sein\nêtre\nsuis\nes\nest\nsommes\nêtes\nsont\n";
    const std::string avoir = "haben\navoir\nai\nas\na\navons\navez\nont\n";
    const LookupCase cases[] = {
        {"plain record", "#1#\n" + sein, 1, Sein},
        {"records out of order", "#2#\n" + avoir + "#1#\n" + sein, 1, Sein},
        {"CR LF line ends", "#1#\r\nsein\r\nêtre\r\nsuis\r\nes\r\nest\r\nsommes\r\nêtes\r\nsont\r\n", 1, Sein},
        {"lone CR and LF, empty lines",
         "\n\n#1#\r\r\n\nsein\rêtre\n\n\nsuis\r\n\r\nes\nest\rsommes\n\rêtes\nsont", 1, Sein},
        {"hashes at both ends removed, inside kept",
         "#1#\n##sein#\n###\n#su#is\n  es  \n \n#\nêtes\nsont", 1,
         {"sein", "", "su#is", "  es  ", " ", "", "êtes", "sont"}},
        {"text around the marker on its line is ignored", "xx #1# yy\n" + sein, 1, Sein},
        {"first of two markers decides", "#1#\n" + sein + "#1#\n" + avoir, 1, Sein},
        {"marker of 1 does not match inside 11 or 21", "#11#\n" + avoir + "#21#\n" + avoir + "#1#\n" + sein, 1,
         Sein},
        {"short record runs into the next marker", "#1#\nsein\nêtre\nsuis\n#2#\n" + avoir, 1,
         {"sein", "être", "suis", "2", "haben", "avoir", "ai", "as"}},
        {"short record at the end of the text", "#1#\nsein\nêtre\r\n", 1,
         {"sein", "être", "", "", "", "", "", ""}},
        {"marker is the last thing in the text", "#7#", 7, Fields(8)},
        {"missing marker", "#1#\n" + sein, 2, Fields(8)},
        {"empty text", "", 1, Fields(8)},
        {"negative number", "#-3#\n" + sein, -3, Sein},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.Label);
        EXPECT_EQ(FieldsOf(FindVerbRecord(c.Text, c.Number)), c.Expected);
    }
}

TEST(FindVerbRecordTest, CompleteRecords)
{
    const std::string text = "#1#\na\nb\nc\nd\ne\nf\ng\nh\n#2#\na\n#\nc\nd\ne\nf\ng\nh\n#3#\na\nb\nc\n";
    EXPECT_TRUE(HasCompleteRecord(text, 1));
    EXPECT_TRUE(HasCompleteRecord(text, 2));  // a field line of "#" is a line, if an empty value
    EXPECT_FALSE(HasCompleteRecord(text, 3));
    EXPECT_FALSE(HasCompleteRecord(text, 4));
}

}  // namespace
