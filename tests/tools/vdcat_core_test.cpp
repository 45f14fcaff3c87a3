// The pieces vdcat's documents are made of, without the executable: numbers,
// JSON and CSV, schedule lines, file names, and the order in which a fan's
// detail material is loaded.
#include "codepage.h"
#include "errors.h"
#include "fan_detail.h"
#include "json_writer.h"
#include "schedule.h"
#include "select_document.h"

#include <gtest/gtest.h>

using namespace vdcat;

TEST(CNumber, OnlyAWholeNumberInTheCFormatReads) {
    EXPECT_EQ(ParseCNumber("250"), 250.0L);
    EXPECT_EQ(ParseCNumber("-1.5"), -1.5L);
    EXPECT_EQ(ParseCNumber("+.5"), 0.5L);
    EXPECT_EQ(ParseCNumber("5."), 5.0L);
    EXPECT_EQ(ParseCNumber("2e3"), 2000.0L);
    EXPECT_EQ(ParseCNumber("2E-1"), 0.2L);
    for (const char* bad : {"", "250Pa", "1,5", "nan", "inf", "-", ".", "e3", "1e", "1e+", " 1",
                            "1 ", "0x1A", "1.2.3", "1e999999"})
        EXPECT_FALSE(ParseCNumber(bad)) << bad;
}

TEST(JsonWriter, WritesCompactJsonWithNumbersAsFormatted) {
    JsonWriter j;
    j.BeginObject();
    j.Key("a").Number("0.300").Key("b").String("q\"\\\n\t\x01\xC3\xA9");
    j.Key("c").BeginArray().Number(3).Null().Bool(true).NumberOrText("").NumberOrText("IP44");
    j.NumberOrText("-2.50").EndArray();
    j.Key("d").Number("1,5").Key("e").BeginObject().EndObject();
    j.EndObject();
    EXPECT_EQ(j.str(), "{\"a\":0.300,\"b\":\"q\\\"\\\\\\n\\t\\u0001\xC3\xA9\","
                       "\"c\":[3,null,true,null,\"IP44\",-2.50],\"d\":null,\"e\":{}}");
    for (const char* bad : {"01", "1.", ".5", "+1", "1e", "NaN", "", "-"})
        EXPECT_FALSE(IsJsonNumber(bad)) << bad;
}

TEST(Csv, FieldsAreQuotedWhereRfc4180AsksAndReadBack) {
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField(" padded"), "\" padded\"");

    std::string error;
    auto records = ParseCsv(
        "h1,h2\r\n\"a,1\",\"two\nlines\"\r\n\r\nlast,\"q\"\"\"\n,\n" + std::string("x"), error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"a,1", "two\nlines"}));
    EXPECT_EQ(records[2].line, 5); // the blank line is skipped, lines still counted
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"last", "q\""}));
    EXPECT_EQ(records[3].fields, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(records[4].fields, (std::vector<std::string>{"x"}));

    ParseCsv("a\n\"open", error);
    EXPECT_EQ(error, "line 2: a quoted field is not closed");
}

TEST(Schedule, LinesBecomeRequestsOrNameTheirProblem) {
    std::string error;
    auto lines = ParseSchedule("Tag, Volume ,volume_unit,pressure,pressure_unit,pressure_type,"
                               "families,supply\n"
                               "a,1.5,m3/s,100,Pa,TOTAL,PW;MT + LW,2\n"
                               "b,1,m3/s,100,Pa,,,\n"
                               "c,1,m3/s,,Pa,static,,\n"
                               "d,1,xx,100,Pa,static,,\n"
                               "e,1,m3/s,100,Pa,dynamic,,\n"
                               "f,1,m3/s,100,Pa,static,,7\n"
                               "g,1,m3/s,100,Pa,static,,0,extra\n",
                               error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_FALSE(lines[0].problem);
    EXPECT_EQ(lines[0].request.volume, 1.5L);
    EXPECT_EQ(lines[0].request.staticPressure, false);
    EXPECT_EQ(lines[0].request.supply, 2);
    EXPECT_EQ(lines[0].request.families, (std::vector<std::string>{"PW", "MT", "LW"}));
    EXPECT_FALSE(lines[1].problem);
    EXPECT_FALSE(lines[1].request.staticPressure.has_value()); // an empty type is the default
    EXPECT_EQ(lines[1].request.deviation, 15);
    const char* fields[] = {"pressure", "volume_unit", "pressure_type", "supply", ""};
    for (int i = 2; i < 7; ++i) {
        ASSERT_TRUE(lines[static_cast<std::size_t>(i)].problem) << i;
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].problem->field, fields[i - 2]);
    }
    EXPECT_EQ(lines[2].problem->exit, kBadDuty);
    EXPECT_EQ(lines[2].line, 4);

    ParseSchedule("tag,volume,volume_unit,pressure,pressure_unit,families\n", error);
    EXPECT_EQ(error, "the header has no column pressure_type");
    error.clear();
    ParseSchedule("", error);
    EXPECT_EQ(error, "the schedule has no header line");
}

TEST(Schedule, TagsBecomeSafeFileNames) {
    EXPECT_EQ(SafeFileName("AHU-1.supply_2"), "AHU-1.supply_2");
    EXPECT_EQ(SafeFileName("../etc/passwd"), ".._etc_passwd");
    EXPECT_EQ(SafeFileName("a b\\c:d"), "a_b_c_d");
    EXPECT_EQ(SafeFileName(""), "_");
    EXPECT_EQ(SafeFileName(".."), "_..");
    EXPECT_EQ(SafeFileName("\xC3\xA9"), "__");
}

TEST(FanDetail, MaterialLoadsInTheWindowsOrderWithItsStandInsAndMessages) {
    vd::TFanRecord r;
    r.diagram_file.assign("d.wmf");
    r.maint_file.assign("m.txt");
    r.picture_file.assign("p.bmp");
    r.spec_file.assign("s.rtf");
    r.drawing_file.assign("dr.wmf");
    std::vector<std::string> log;
    auto loader = [&](const char* what, bool present) {
        return [&log, what, present](const std::string& path) {
            log.push_back(std::string(what) + " " + path);
            if (!present && path != vd::kBlankMetafile)
                throw vd::FileError(path);
        };
    };
    vd::FanDetailTargets t;
    t.diagram = loader("diagram", false);
    t.maintenance = loader("maint", false);
    t.bigPicture = loader("big", true);
    t.specification = loader("spec", false);
    t.drawing = loader("drawing", true);
    t.message = [&](const std::string& m) { log.push_back("message " + m); };
    t.replaced = [&](const std::string& what, const std::string& path) {
        log.push_back("replaced " + what + " " + path);
    };
    vd::LoadFanDetailMaterial(r, "SW", t);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "diagram wmf\\d.wmf", "replaced diagram picture wmf\\d.wmf",
                       "diagram wmf\\blank.wmf", "maint txt\\SWm.txt",
                       "message Cannot find maintenance text SWm.txt", "big bmp\\bigp.bmp",
                       "spec txt\\SWs.rtf", "message Cannot find specification text SWs.rtf",
                       "drawing wmf\\dr.wmf"}));

    // Only what is asked for is loaded; a missing blank metafile is not caught.
    vd::FanDetailTargets drawingOnly;
    drawingOnly.drawing = [](const std::string& path) { throw vd::FileError(path); };
    EXPECT_THROW(vd::LoadFanDetailMaterial(r, "UK", drawingOnly), vd::FileError);
}

// A long document goes out in pieces, each ending with a whole line, that
// join to the document; texts in the code page come out as UTF-8 unless the
// code page is asked for.
TEST(SelectDocument, ALongDocumentGoesOutInWholeLines) {
    vd::ResultsGrid grid;
    grid.SetRowCount(6001);
    grid.SetCell(0, 0, "No.");
    grid.SetCell(22, 0, "Fam\xEDlia");
    for (int r = 1; r <= 6000; ++r) {
        grid.SetCell(0, r, std::to_string(r));
        grid.SetCell(1, r, "Mod\xE8le \x80" + std::to_string(r % 7));
        grid.SetCell(4, r, std::to_string(90 + r % 20) + "%");
        grid.SetCell(22, r, "PW");
    }
    auto expected = [&](bool cp1252) {
        std::string out;
        for (int r = 1; r <= 6000; ++r)
            for (int c = 0; c < 23; ++c) {
                const std::string cell(grid.Cell(c, r));
                out += (cp1252 ? cell : vd::Cp1252ToUtf8(cell)) + (c < 22 ? "\t" : "\n");
            }
        return out;
    };
    for (int round = 0; round < 4; ++round) {
        const bool cp1252 = round % 2, header = round / 2;
        DocumentOptions options;
        options.cp1252 = cp1252;
        options.header = header;
        std::vector<std::string> pieces;
        WriteSelectDocument({}, grid, options,
                            [&](std::string_view piece) { pieces.emplace_back(piece); });
        ASSERT_GT(pieces.size(), 2u);
        std::string joined;
        for (const std::string& piece : pieces) {
            EXPECT_EQ(piece.back(), '\n');
            joined += piece;
        }
        std::string headings;
        for (int c = 0; header && c < 23; ++c)
            headings +=
                (cp1252 ? std::string(grid.Cell(c, 0)) : vd::Cp1252ToUtf8(grid.Cell(c, 0))) +
                (c < 22 ? "\t" : "\n");
        EXPECT_EQ(joined, headings + expected(cp1252));
        EXPECT_EQ(SelectDocument({}, grid, options), joined);
    }

    DocumentOptions csv;
    csv.format = DocumentFormat::Csv;
    std::string pieces;
    int count = 0;
    WriteSelectDocument({}, grid, csv, [&](std::string_view piece) {
        EXPECT_TRUE(piece.ends_with("\r\n"));
        pieces += piece;
        ++count;
    });
    EXPECT_GT(count, 1);
    std::string whole = CsvHeading({}, grid) + "\r\n";
    for (int r = 1; r <= 6000; ++r)
        whole += CsvRow({}, grid, r, std::nullopt) + "\r\n";
    EXPECT_EQ(pieces, whole);
}
