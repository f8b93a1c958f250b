#include "roster_rules/roster_csv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "roster_rules/csv_records.h"
#include "model/distribution.h"

namespace soatnoma::roster_rules {
namespace {

// The roster's refused rows as the teacher reads them.
std::vector<std::string> Described(const Roster& roster) {
  std::vector<std::string> described;
  for (const RosterProblem& problem : roster.Problems()) described.push_back(DescribeProblem(problem));
  return described;
}

// The separator is the one that sets the "ism" heading apart; a line where two do, and a
// list without the heading, go by the one used most.
TEST(CsvRecords, TheSeparatorIsTheOneTheHeaderUsesMost) {
  const std::vector<std::pair<std::string_view, std::vector<std::string>>> cases = {
      {"ism,fan;x\nA,B;C\n", {"A", "B;C"}},
      {"ism;fan;x,y\nA;B,C;D\n", {"A", "B,C", "D"}},
      {"ism\tfan\tx,y\nA\tB,C\t D \n", {"A", "B,C", " D "}},
      {"ism\tfan;x;y\nA\tB;C;D\n", {"A", "B;C;D"}},
      {"ism\nA;B,C;D\n", {"A", "B,C", "D"}},
      {"\"Ism\";fan,x\nA;B,C\n", {"A", "B,C"}},
      {"a;b;c\nA;B,C;D\n", {"A", "B,C", "D"}},
  };
  for (const auto& [text, second] : cases) {
    const auto records = ReadCsvRecords(text);
    ASSERT_EQ(records.size(), 2u) << text;
    EXPECT_EQ(records[1].fields, second) << text;
  }
}

// Title lines above the headings are passed over and decide nothing: with or without a
// spreadsheet's padding of separators, with a comma of their own, in UTF-8 or in
// Windows-1251; the rows below keep the lines they stand on.
TEST(Roster, TheSeparatorIsTheHeadingRowsNotTheTitles) {
  const std::string rows =
      "ism;maktab;fan;toifa;soat\r\n"
      "\xCA\xE0\xF0\xE8\xEC\xEE\xE2\xE0 \xC4\xE8\xEB\xED\xEE\xE7\xE0;12;\xD4\xE8\xE7\xE8\xEA\xE0;yuqori;24\r\n"
      "Aliyev, Vali;7;tarix;yuqori;20\r\n"
      "Kam;7;tarix;yuqori;9\r\n";
  for (const std::string title : {"Xodimlar ro'yxati\r\n", "Xodimlar ro'yxati;;;;\r\n", "12-maktab, 2026-yil\r\n\r\n",
                                  "12-maktab o'qituvchilari;;;;\r\n2025/2026 o'quv yili;;;;\r\n;;;;\r\n"}) {
    const Roster roster = ReadRoster(title + rows);
    EXPECT_FALSE(roster.headingProblem) << title;
    EXPECT_TRUE(roster.readAsWindows1251) << title;
    const std::vector<RosterTeacher> teachers = roster.Teachers();
    ASSERT_EQ(teachers.size(), 2u) << title;
    EXPECT_EQ(teachers[0].name, "Каримова Дилноза");
    EXPECT_EQ(teachers[1].name, "Aliyev, Vali");
    const int headingLine = static_cast<int>(std::count(title.begin(), title.end(), '\n')) + 1;
    EXPECT_EQ(teachers[0].line, headingLine + 1) << title;
    ASSERT_EQ(roster.Problems().size(), 1u) << title;
    EXPECT_EQ(roster.Problems()[0].line, headingLine + 3) << title;
  }
}

// Headings with blanks after the separator, as people type them, or around quotes, name their
// columns all the same: the optional ones too (stavka, rahbar), and the separator is the one
// that sets such an "ism" apart, whatever a title above says.
TEST(Roster, HeadingsWithBlanksAroundThemNameTheirColumns) {
  const std::vector<std::string> lists = {
      "ism; maktab; fan; toifa; soat; stavka; rahbar\nAli Valiyev;12;fizika;yuqori;24;18;ha\n",
      "ism, maktab, fan, toifa, soat, stavka, rahbar\nAli Valiyev,12,fizika,yuqori,24,18,ha\n",
      "ism\t maktab\t fan\t toifa\t soat\t stavka\t rahbar\nAli Valiyev\t12\tfizika\tyuqori\t24\t18\tha\n",
      " Ism ; \"Maktab\" ;\u00a0FAN\u00a0; toifa ; \" soat \";stavka ;rahbar\nAli Valiyev;12;fizika;yuqori;24;18;ha\n",
      "12-maktab, 2026-yil\nmaktab; ism; fan; toifa; soat; stavka; rahbar\n12;Ali Valiyev;fizika;yuqori;24;18;ha\n",
  };
  for (const std::string& list : lists) {
    const Roster roster = ReadRoster(list);
    EXPECT_FALSE(roster.headingProblem) << list;
    EXPECT_TRUE(roster.Problems().empty()) << list << DescribeProblem(roster.Problems().front());
    const std::vector<RosterTeacher> teachers = roster.Teachers();
    ASSERT_EQ(teachers.size(), 1u) << list;
    EXPECT_EQ(teachers[0].name, "Ali Valiyev") << list;
    EXPECT_EQ(teachers[0].school, "12") << list;
    EXPECT_EQ(teachers[0].rate, "18") << list;
    EXPECT_TRUE(teachers[0].classLeader) << list;
  }
}

// A list whose headings are not the program's is refused once, naming the columns it
// expects and the headings it found (those of the first row of more than one cell, not a
// title above them), rather than a line per row.
TEST(Roster, WithoutAnIsmHeadingTheListIsRefusedOnce) {
  const std::string expected =
      "Kerakli ustunlar: ism, maktab, fan, toifa, soat (soat o'rniga kunlar: du, se, ch, pa, ju, sh); ixtiyoriy: "
      "stavka, rahbar. Fayldagi sarlavhalar: ";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"F.I.Sh.;Fani;Soat\nKarimova;fizika;20\nAliyev;kimyo;18\n", "\"F.I.Sh.\", \"Fani\", \"Soat\"."},
      {"Xodimlar ro'yxati\n\n F.I.Sh. ,Fani,,Soat\nKarimova,fizika,,20\n", "\"F.I.Sh.\", \"Fani\", \"Soat\"."},
      {"A;1;f;yuqori;20\nB;1;f;yuqori;20\n", "\"A\", \"1\", \"f\", \"yuqori\", \"20\"."},
      {"Faqat sarlavha\n", "\"Faqat sarlavha\"."},
      // Headings reach a terminal escaped, as any field in a reason does.
      {"\x1B[2J;Fani\x07;\u202ESoat\n", "\"\\x1b[2J\", \"Fani\\x07\", \"\\u202eSoat\"."},
  };
  for (const auto& [list, found] : cases) {
    const Roster roster = ReadRoster(list);
    EXPECT_TRUE(roster.rows.empty()) << list;
    EXPECT_EQ(roster.headingProblem.value_or(""),
              "Ro'yxatda ustun nomlari qatori topilmadi: \"ism\" ustuni yo'q. " + expected + found)
        << list;
  }
  // Nothing at all in the list is no list, not a list without headings.
  for (const char* empty : {"", "\n\n", ";;;;\r\n;;\r\n"}) EXPECT_FALSE(ReadRoster(empty).headingProblem) << empty;
}

constexpr std::string_view kRoster =
    "Ism;Maktab;FAN;toifa;soat;stavka;rahbar\n"
    "Karimova Dilnozaʻ;12;\"matematika; algebra\";yuqori;24;;ha\n"
    "Toshmatov;12;fizika;boshlang'ich;22.5;;0\n"
    "Bo'sh soat;12;tarix;yuqori;;;\n"
    "Kam;12;tarix;yuqori;9;;\n"
    "Stavka;12;tarix;boshlangich;20;0;\n"
    "Toifa;12;tarix;o'rta;20;;\n"
    "Rahbar;12;tarix;yuqori;20;;balki\n"
    "Aniq; 5 ;ingliz tili;Yuqori; 24;20;YO'Q\n"
    "Oraliq;12;tarix;yuqori;12 5;;\n"
    "Qattiq;12;tarix;yuqori;\u00a022\u202f;;\n";

TEST(Roster, GoodRowsBecomeTeachersWithTheirExactTexts) {
  const Roster roster = ReadRoster(kRoster);
  const auto teachers = roster.Teachers();
  ASSERT_EQ(teachers.size(), 4u);
  EXPECT_EQ(teachers[0].name, "Karimova Dilnozaʻ");
  EXPECT_EQ(teachers[0].subject, "matematika; algebra");
  EXPECT_EQ(teachers[0].rate, "20");
  EXPECT_TRUE(teachers[0].classLeader);
  EXPECT_EQ(teachers[0].line, 2);
  EXPECT_EQ(teachers[1].category, TeacherCategory::Primary);
  EXPECT_EQ(teachers[1].rate, "18");
  EXPECT_FALSE(teachers[1].classLeader);
  EXPECT_EQ(teachers[2].school, " 5 ");
  EXPECT_EQ(teachers[2].weeklyHours, " 24");  // exact: no correction of "24" for it
  EXPECT_FALSE(teachers[2].classLeader);
  EXPECT_EQ(teachers[3].weeklyHours, "\u00a022\u202f");  // no-break spaces are blanks like any other
}

TEST(Roster, BadRowsNameTheirLineAndReason) {
  const Roster roster = ReadRoster(kRoster);
  EXPECT_EQ(Described(roster), (std::vector<std::string>{
                                   "qator 4: soat \"\": Ajratilgan dars soati kiritilmadi!",
                                   "qator 5: soat \"9\": 10 soatdan kam dars uchun soatnoma shart emas.",
                                   "qator 6: stavka \"0\": Dars stavkasi noto'g'ri kiritildi!",
                                   "qator 7: toifa \"o'rta\" noma'lum: yuqori yoki boshlangich bo'lishi kerak",
                                   "qator 8: rahbar \"balki\" noma'lum: 1, 0, ha yoki yo'q bo'lishi kerak",
                                   "qator 10: soat \"12 5\": Ajratilgan dars soati noto'g'ri kiritildi!",
                               }));
  // A refused row still says whose it is.
  const auto refused = std::find_if(roster.rows.begin(), roster.rows.end(),
                                    [](const RosterRow& row) { return row.problem && row.problem->line == 7; });
  ASSERT_NE(refused, roster.rows.end());
  EXPECT_EQ((std::vector<std::string>{refused->name, refused->school, refused->subject}),
            (std::vector<std::string>{"Toifa", "12", "tarix"}));
}

// Which characters are shown escaped, and how, is the name texts' own table; here a field
// quoted in a reason goes through it.
TEST(Roster, AReasonStaysOnOneLineAndHarmlessOnATerminal) {
  const Roster roster = ReadRoster(
      "ism,maktab,fan,toifa,soat\n"
      "A,1,f,\"yuq\r\nori\x1B[2J\",20\n"
      "B,1,f,yuqori,\"\t9\n\"\n");
  EXPECT_EQ(Described(roster), (std::vector<std::string>{
                                   "qator 2: toifa \"yuq\\r\\nori\\x1b[2J\" noma'lum: yuqori yoki boshlangich "
                                   "bo'lishi kerak",
                                   "qator 4: soat \"\\t9\\n\": 10 soatdan kam dars uchun soatnoma shart emas.",
                               }));
}

// Names, schools and subjects go into the workbook as they are: a text it cannot hold, a
// control character or an over-long text refuses that row only.
TEST(Roster, TextsTheFormCannotCarryRefuseTheirRowOnly) {
  const Roster roster = ReadRoster(
      "ism;maktab;fan;toifa;soat\n"
      "Ali \xEF\xBF\xBF Valiyev;1;f;yuqori;20\n" +
      std::string("Ali\0Valiyev;1;f;yuqori;20\n", 26) + "Vali;1\x0B;f;yuqori;20\n" + "Soli;1;" + std::string(201, 'f') +
      ";yuqori;20\n"
      "\"Ko'p\nqatorli\";1;f;yuqori;20\n"
      "Tayyor;1;f;yuqori;20\n");
  EXPECT_EQ(Described(roster), (std::vector<std::string>{
                                   "qator 2: Familiya va ismda yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF).",
                                   "qator 3: Familiya va ismda boshqaruv belgisi bor.",
                                   "qator 4: Maktab nomida boshqaruv belgisi bor.",
                                   "qator 5: Fan nomi juda uzun: 200 belgidan oshmasin.",
                               }));
  ASSERT_EQ(roster.Teachers().size(), 2u);
  EXPECT_EQ(roster.Teachers()[0].name, "Ko'p\nqatorli");  // a line break the workbook can hold
  EXPECT_EQ(roster.Teachers()[1].line, 8);
}

// A row must name its teacher: a report of nobody would be "fani o 'qituvchisi ning" on a
// sheet called "O'qituvchi". Blanks of any width name nobody; the school and the subject
// may be left empty.
TEST(Roster, ARowThatNamesNobodyIsRefused) {
  // Which texts are blanks of any width is the form texts' own table.
  const std::string nobody = "qator 2: ism kiritilmagan: o'qituvchining familiyasi va ismini yozing";
  for (const std::string name : {"", "\"\r\n \"", "\xC2\xA0", " A "}) {
    const Roster roster = ReadRoster("ism;maktab;fan;toifa;soat\n" + name + ";;;yuqori;24\n");
    ASSERT_EQ(roster.rows.size(), 1u) << name;
    const RosterRow& row = roster.rows[0];
    EXPECT_EQ(row.problem ? DescribeProblem(*row.problem) : "", name == " A " ? "" : nobody) << name;
  }
  // Whatever else is wrong with the row, its missing name is said first.
  EXPECT_EQ(DescribeProblem(ReadRoster("ism;maktab;fan;toifa;soat\n;1;f;o'rta;9\n").Problems().at(0)), nobody);
}

TEST(Roster, DayColumnsAddUpWhenTheWeeklyHoursAreEmpty) {
  const Roster roster = ReadRoster(
      "ism,maktab,fan,toifa,soat,du,se,ch,pa,ju,sh\n"
      "A,1,f,yuqori,,4,4,4.5,4,,4\n"
      "B,1,f,yuqori,19,1,1,1,1,1,1\n"
      "D,1,f,yuqori,,4,4,4,ikki,4,4\n"
      "E,1,f,yuqori,\"12,5\",,,,,,\n");
  std::vector<std::string> weekly;
  for (const RosterTeacher& teacher : roster.Teachers()) weekly.push_back(teacher.weeklyHours);
  // How days add up is the weekly hours' own table. "12,5" is kept as typed: the correction
  // looks it up so.
  EXPECT_EQ(weekly, (std::vector<std::string>{"20.5", "19", "12,5"}));
  EXPECT_EQ(Described(roster),
            std::vector<std::string>{"qator 4: pa \"ikki\": Ajratilgan dars soati noto'g'ri kiritildi!"});
}

// As the form refuses them: a rate that makes the report too large to show is the rate's
// fault, more hours than a week holds the weekly hours'.
TEST(Roster, NumbersTheReportCannotShowBlameTheirColumn) {
  const Roster roster = ReadRoster(
      "ism,maktab,fan,toifa,soat,stavka,du,se,ch,pa,ju,sh\n"
      "A,1,f,yuqori,24,1e-300,,,,,,\n"
      "D,1,f,yuqori,169,,,,,,,\n"
      "E,1,f,yuqori,,,30,30,30,30,30,30\n"
      "G,1,f,yuqori,,,24,24,24,24,24,48\n");
  // Which rates and hours are too small or too many is the distribution's own table.
  EXPECT_EQ(Described(roster), (std::vector<std::string>{
                                   "qator 2: stavka \"1e-300\": Dars stavkasi noto'g'ri kiritildi!",
                                   "qator 3: soat \"169\": Ajratilgan dars soati noto'g'ri kiritildi!",
                                   "qator 4: soat \"180\": Ajratilgan dars soati noto'g'ri kiritildi!",
                               }));
  ASSERT_EQ(roster.Teachers().size(), 1u);
  EXPECT_EQ(roster.Teachers()[0].weeklyHours, "168");
}

TEST(Roster, MissingColumnsRefuseEveryRow) {
  const Roster roster = ReadRoster("ism;maktab;soat\r\nA;1;20\r\nB;1;21\r\n");
  ASSERT_EQ(roster.rows.size(), 2u);
  EXPECT_TRUE(roster.Teachers().empty());
  EXPECT_EQ(DescribeProblem(roster.Problems()[1]), "qator 3: \"fan\" ustuni yo'q");
  EXPECT_EQ(roster.rows[1].name, "B");  // whose row it is, all the same
  EXPECT_EQ(roster.rows[1].school, "1");
  EXPECT_TRUE(ReadRoster("").rows.empty());
  EXPECT_TRUE(ReadRoster("ism;maktab;fan;toifa;soat\n").rows.empty());
}

TEST(Roster, EmptyRowsArePassedOverAndBytesThatAreNoTextRefused) {
  // The byte-order mark says UTF-8, so the row that is not is refused rather than guessed at.
  const Roster roster = ReadRoster(
      "\xEF\xBB\xBFism;maktab;fan;toifa;soat\r\n"
      "A;1;f;yuqori;20\r\n"
      ";;;;\r\n"
      "\xCA\xE0\xF0\xE8\xEC\xEE\xE2;1;f;yuqori;20\r\n"  // Windows-1251
      " ; ;\t; ;\r\n"
      "B;1;f;yuqori;20\r\n");
  EXPECT_FALSE(roster.readAsWindows1251);
  ASSERT_EQ(roster.rows.size(), 3u);
  EXPECT_EQ(roster.Teachers().back().line, 6);
  ASSERT_EQ(roster.Problems().size(), 1u);
  EXPECT_EQ(DescribeProblem(roster.Problems()[0]), "qator 4: matn UTF-8 kodlashda emas (ro'yxatni UTF-8 da saqlang)");
  // 0x98 has no character in Windows-1251: such a file is neither, and is refused the same way.
  const Roster neither = ReadRoster("ism;maktab;fan;toifa;soat\nA\x98;1;f;yuqori;20\nB;1;f;yuqori;20\n");
  EXPECT_FALSE(neither.readAsWindows1251);
  EXPECT_EQ(neither.Problems().size(), 1u);
  EXPECT_EQ(neither.Teachers().size(), 1u);
}

TEST(Roster, ExcelsWindows1251CsvIsReadWithItsNames) {
  // As Excel on Windows saves "CSV" in Uzbek settings: Cyrillic, and Latin with the
  // quotation marks that stand for the tutuq belgisi.
  const Roster roster = ReadRoster(
      "ism;maktab;fan;toifa;soat\r\n"
      "\xCA\xE0\xF0\xE8\xEC\xEE\xE2\xE0 \xC4\xE8\xEB\xED\xEE\xE7\xE0;\xB9 12;\xCE\xED\xE0 "
      "\xF2\xE8\xEB\xE8;yuqori;24\r\n"
      "G\x91ulomov O\x92tkir;12;fizika;boshlang\x92ich;22,5\r\n");
  EXPECT_TRUE(roster.readAsWindows1251);
  const auto teachers = roster.Teachers();
  ASSERT_EQ(teachers.size(), 2u) << DescribeProblem(roster.Problems().at(0));
  EXPECT_EQ(teachers[0].name, "Каримова Дилноза");
  EXPECT_EQ(teachers[0].school, "№ 12");
  EXPECT_EQ(teachers[0].subject, "Она тили");
  EXPECT_EQ(teachers[1].name, "G‘ulomov O’tkir");
  EXPECT_EQ(teachers[1].category, TeacherCategory::Primary);
  EXPECT_EQ(teachers[1].weeklyHours, "22,5");
  EXPECT_FALSE(ReadRoster("ism;maktab;fan;toifa;soat\nOʻtkir;1;f;yuqori;20\n").readAsWindows1251);
}

TEST(Roster, ExcelsUnicodeTextIsReadWithItsNames) {
  // UTF-16 with its byte-order mark and tabs between fields, either byte order.
  const std::u16string text = u"ism\tmaktab\tfan\ttoifa\tsoat\r\nКаримова Дилноза\t12\tOna tili\tyuqori\t24\r\n";
  std::string little = "\xFF\xFE";
  std::string big = "\xFE\xFF";
  for (const char16_t unit : text) {
    little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  // Without the mark, as some programs save it: the byte order is told by the NUL bytes.
  for (const std::string& file : {little, big, little.substr(2), big.substr(2)}) {
    const Roster roster = ReadRoster(file);
    EXPECT_FALSE(roster.headingProblem) << file.size();
    EXPECT_FALSE(roster.readAsWindows1251);
    ASSERT_EQ(roster.Teachers().size(), 1u);
    EXPECT_EQ(roster.Teachers()[0].name, "Каримова Дилноза");
    EXPECT_EQ(roster.Teachers()[0].line, 2);
  }
}

}  // namespace
}  // namespace soatnoma::roster_rules
