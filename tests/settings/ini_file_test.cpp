// Reading and rewriting fenx.ini: the values the game asks for are found in
// whatever the file holds, and a write changes one line and nothing else.
#include <gtest/gtest.h>

#include <string>

#include "settings/ini_file.h"

namespace fenx {
namespace {

std::optional<std::string> Get(std::string_view text, std::string_view key) {
    return IniFile::Parse(text).Get("FENX", key);
}

std::string AfterSet(std::string_view text, std::string_view key, std::string_view value) {
    IniFile file = IniFile::Parse(text);
    EXPECT_TRUE(file.Set("FENX", key, value));
    return file.Serialize();
}

TEST(IniFileRead, FindsKeysWithBlanksCommentsAndAnyCase) {
    const std::string text = "; settings\n"
                             "# more comment\n"
                             "[other]\n"
                             "x_size=30\n"
                             "  [ fenx ]  \n"
                             "\tX_Size \t=  12  \n"
                             "y_size=\n"
                             ";drag_type=2\n"
                             "sound = 0\n";
    EXPECT_EQ(Get(text, "x_size"), "12");
    EXPECT_EQ(Get(text, "y_size"), "");
    EXPECT_EQ(Get(text, "drag_type"), std::nullopt);
    EXPECT_EQ(Get(text, "SOUND"), "0");
    EXPECT_EQ(IniFile::Parse(text).Get("other", "x_size"), "30");
}

TEST(IniFileRead, CrlfAndMissingFinalNewline) {
    EXPECT_EQ(Get("[FENX]\r\nx_size=9\r\ny_size=5", "x_size"), "9");
    EXPECT_EQ(Get("[FENX]\r\nx_size=9\r\ny_size=5", "y_size"), "5");
    EXPECT_EQ(Get("[FENX]\r\nsound=1\r\n", "sound"), "1");
}

TEST(IniFileRead, FirstSectionAndFirstKeyWin) {
    const std::string text = "[FENX]\nx_size=8\nx_size=9\n[FENX]\nx_size=10\ny_size=6\n";
    EXPECT_EQ(Get(text, "x_size"), "8");
    // A key only the repeated section holds does not count.
    EXPECT_EQ(Get(text, "y_size"), std::nullopt);
}

TEST(IniFileRead, KeysOutsideTheSectionDoNotCount) {
    EXPECT_EQ(Get("x_size=12\n[FENX]\n", "x_size"), std::nullopt);
    EXPECT_EQ(Get("[FENX]\n[other]\nx_size=12\n", "x_size"), std::nullopt);
    EXPECT_EQ(Get("[FENX\nx_size=12\n", "x_size"), std::nullopt);
    EXPECT_EQ(Get("", "x_size"), std::nullopt);
}

TEST(IniFileRead, ValuesKeepWhatFollowsTheFirstEquals) {
    EXPECT_EQ(Get("[FENX]\nchallenge=ab=cd;ef\n", "challenge"), "ab=cd;ef");
    EXPECT_EQ(Get("[FENX]\n=7\nx_size 7\nx_size=7\n", "x_size"), "7");
}

TEST(IniFileRead, GarbageNulBytesAndLongLinesAreSurvived) {
    std::string text = "[FENX]\n";
    text += std::string("\x00\xff\xfe=\x01\n", 6);
    text += std::string(200000, 'z') + "\n";
    text += std::string("sound=0\x00tail\n", 13);
    text += "\r\r\n[\n]\n==\n";
    text += "x_size=11\n";
    const IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.Serialize(), text);
    EXPECT_EQ(file.Get("FENX", "x_size"), "11");
    EXPECT_EQ(file.Get("FENX", "sound"), std::string("0\x00tail", 6));
}

TEST(IniFileRead, EveryByteValueRoundTrips) {
    std::string text;
    for (int round = 0; round < 3; ++round) {
        for (int c = 0; c < 256; ++c) {
            text += static_cast<char>(c);
            if (c % 37 == 0) {
                text += "[FENX]\nkey=";
            }
        }
    }
    IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.Serialize(), text);
    ASSERT_TRUE(file.Set("FENX", "x_size", "7"));
    EXPECT_EQ(IniFile::Parse(file.Serialize()).Get("FENX", "x_size"), "7");
}

TEST(IniFileWrite, ReplacesTheValueAndKeepsEveryOtherLine) {
    const std::string text = "; keep me\n"
                             "[FENX]\n"
                             "  X_SIZE = 12\n"
                             "unknown_key=hello\n"
                             "\n"
                             "[other]\n"
                             "x_size=1\n";
    EXPECT_EQ(AfterSet(text, "x_size", "7"), "; keep me\n"
                                             "[FENX]\n"
                                             "X_SIZE=7\n"
                                             "unknown_key=hello\n"
                                             "\n"
                                             "[other]\n"
                                             "x_size=1\n");
}

TEST(IniFileWrite, AddsAMissingKeyAfterTheLastKeyOfTheFirstSection) {
    const std::string text = "[FENX]\nx_size=7\n\n; next\n[other]\na=1\n[FENX]\nz=1\n";
    EXPECT_EQ(AfterSet(text, "y_size", "4"),
              "[FENX]\nx_size=7\ny_size=4\n\n; next\n[other]\na=1\n[FENX]\nz=1\n");
    EXPECT_EQ(AfterSet("[FENX]\n[other]\n", "sound", "1"), "[FENX]\nsound=1\n[other]\n");
}

TEST(IniFileWrite, WritesIntoTheFirstSectionOnlyAsReadingDoes) {
    const std::string after = AfterSet("[FENX]\na=1\n[FENX]\nsound=1\n", "sound", "0");
    EXPECT_EQ(after, "[FENX]\na=1\nsound=0\n[FENX]\nsound=1\n");
    EXPECT_EQ(Get(after, "sound"), "0");
}

TEST(IniFileWrite, AddsTheSectionAtTheEnd) {
    EXPECT_EQ(AfterSet("", "x_size", "7"), "[FENX]\nx_size=7\n");
    EXPECT_EQ(AfterSet("[other]\na=1", "x_size", "7"), "[other]\na=1\n[FENX]\nx_size=7\n");
    EXPECT_EQ(AfterSet("[FENX]\nx_size=7", "y_size", "4"), "[FENX]\nx_size=7\ny_size=4\n");
}

TEST(IniFileWrite, NewLinesFollowTheFileLineEnds) {
    EXPECT_EQ(AfterSet("[FENX]\r\nx_size=7\r\n", "y_size", "4"),
              "[FENX]\r\nx_size=7\r\ny_size=4\r\n");
    EXPECT_EQ(AfterSet("[FENX]\r\nx_size=7\r\n", "x_size", "12"), "[FENX]\r\nx_size=12\r\n");
}

TEST(IniFileWrite, RefusesWhatCannotStayOnOneLine) {
    IniFile file = IniFile::Parse("[FENX]\nx_size=7\n");
    EXPECT_FALSE(file.Set("FENX", "x_size", "7\n[evil]"));
    EXPECT_FALSE(file.Set("FENX", "x_size", "7\r"));
    EXPECT_FALSE(file.Set("FENX", "", "1"));
    EXPECT_FALSE(file.Set("FENX", "a=b", "1"));
    EXPECT_FALSE(file.Set("FENX", " x_size", "1"));
    EXPECT_FALSE(file.Set("FENX", ";x", "1"));
    EXPECT_FALSE(file.Set("FE]NX", "x_size", "1"));
    EXPECT_EQ(file.Serialize(), "[FENX]\nx_size=7\n");
}

TEST(IniFileWrite, SetThenGetAgreesForEveryKeyOfTheGame) {
    IniFile file = IniFile::Parse("garbage\n\x01\x02\n[FENX\n");
    const char* keys[] = {"x_size", "y_size", "drag_type", "sound", "challenge"};
    int n = 0;
    for (const char* key : keys) {
        ASSERT_TRUE(file.Set("FENX", key, std::to_string(++n)));
    }
    const IniFile reread = IniFile::Parse(file.Serialize());
    n = 0;
    for (const char* key : keys) {
        EXPECT_EQ(reread.Get("FENX", key), std::to_string(++n)) << key;
    }
    EXPECT_EQ(file.Serialize().rfind("garbage\n\x01\x02\n[FENX\n", 0), 0u);
}

TEST(IniFileRead, AByteOrderMarkBeforeTheSectionIsKeptAndIgnored) {
    const std::string text = "\xEF\xBB\xBF[FENX]\nx_size=12\n";
    EXPECT_EQ(Get(text, "x_size"), "12");
    EXPECT_EQ(AfterSet(text, "y_size", "4"), "\xEF\xBB\xBF[FENX]\nx_size=12\ny_size=4\n");
}

TEST(IniFileWrite, ALastLineEndingInALoneCrKeepsItsValueAndItsEnd) {
    const std::string text = "[FENX]\r\nsound=0\r";
    EXPECT_EQ(Get(text, "sound"), "0");
    const std::string after = AfterSet(text, "x_size", "7");
    EXPECT_EQ(after, "[FENX]\r\nsound=0\r\nx_size=7\r\n");
    EXPECT_EQ(Get(after, "sound"), "0");
    EXPECT_EQ(AfterSet(text, "sound", "1"), "[FENX]\r\nsound=1\r");
    // The only line end of the file: new lines take CR LF, not a lone CR.
    EXPECT_EQ(AfterSet("\r", "sound", "1"), "\r\n[FENX]\r\nsound=1\r\n");
}

TEST(IniFileWrite, ValuesWithBlanksAtTheirEndsReadBackAsWritten) {
    for (const std::string value : {" a", "b ", "  ", "\"q\"", "\"", " \"x\" ", "plain"}) {
        const std::string after = AfterSet("[FENX]\n", "k", value);
        EXPECT_EQ(Get(after, "k"), value) << after;
        EXPECT_EQ(Get(AfterSet(after, "k", value), "k"), value);
    }
    EXPECT_EQ(AfterSet("[FENX]\n", "k", "7"), "[FENX]\nk=7\n"); // the game's values stay bare
}

} // namespace
} // namespace fenx
