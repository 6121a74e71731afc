// The lexer over the dialect's line kinds, over every line the generators
// write, and over random bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "program/nc_lexer.h"
#include "token_dump.h"

namespace quillon {
namespace {

struct LexRow {
  const char* name;
  const char* line;
  const char* tokens;  // DumpLine of the line
};

// Guards against a line kind of the dialect read as other tokens: a word
// split wrongly between address and value, a label taken for a word, a
// comment or bracket group ending in the wrong place, a kind the highlighter
// and the checker would treat wrongly.
class LexLineTest : public ::testing::TestWithParam<LexRow> {};

TEST_P(LexLineTest, GivesTheTokens) { EXPECT_EQ(DumpLine(GetParam().line), GetParam().tokens) << GetParam().line; }

// clang-format off
const LexRow kGeneratedLines[] = {
  // name                  line (from the golden files of each generator family)          tokens
  {"RoughHeader",          "(-----< OD.ROUGH >-----)",                                     "head{(-----< OD.ROUGH >-----)}"},
  {"ToolDataNoex",         "NOEX VTLIN[5]=1 VTLFN[5]=1 VTLA1[5]=55",                       "noex{NOEX} _{ } var{VTLIN[5]}={1}:n _{ } var{VTLFN[5]}={1}:n _{ } var{VTLA1[5]}={55}:n"},
  {"ToolCall",             "N000 G00 X60 Z50 T050505 M41 S1030 M03 M63 M08",              "seq{N000} _{ } gm{G}{00}:n _{ } xyz{X}{60}:n _{ } xyz{Z}{50}:n _{ } fst{T}{050505}:n _{ } m{M}{41}:n _{ } fst{S}{1030}:n _{ } m{M}{03}:n _{ } m{M}{63}:n _{ } m{M}{08}:n"},
  {"TallixToolWords",      "N000 G00 X60 Z50 TL=050505 M41",                               "seq{N000} _{ } gm{G}{00}:n _{ } xyz{X}{60}:n _{ } xyz{Z}{50}:n _{ } fst{TL}={050505}:n _{ } m{M}{41}:n"},
  {"SequenceNameLine",     "NT05     Z2 G96 S150",                                         "name{NT05} _{     } xyz{Z}{2}:n _{ } g{G}{96}:n _{ } fst{S}{150}:n"},
  {"CycleNamesContour",    "N000 G85 NAP2 D2 U0.4 W0.1 F0.3",                              "seq{N000} _{ } g{G}{85}:n _{ } label{NAP2} _{ } word{D}{2}:n _{ } word{U}{0.4}:n _{ } word{W}{0.1}:n _{ } fst{F}{0.3}:n"},
  {"ContourStart",         "NAP2 G81",                                                     "name{NAP2} _{ } g{G}{81}:n"},
  {"ContinuationLine",     "N000     X40 A135",                                            "seq{N000} _{     } xyz{X}{40}:n _{ } xyz{A}{135}:n"},
  {"NegativeWord",         "N000 G40 K-1",                                                 "seq{N000} _{ } g{G}{40}:n _{ } word{K}{-1}:n"},
  {"TabLine",              "\t",                                                           "tab{\t}"},
  {"TurretHeader",         "G13 (-----< A:TURRET >-----)",                                 "g{G}{13}:n _{ } head{(-----< A:TURRET >-----)}"},
  {"SpeedClamp",           "NMAX G50 S3000",                                               "name{NMAX} _{ } g{G}{50}:n _{ } fst{S}{3000}:n"},
  {"CallWithComment",      "N000 CALL OUGC  (GRAPHIC DATA)",                               "seq{N000} _{ } kw{CALL} _{ } call{OUGC} _{  } cmt{(GRAPHIC DATA)}"},
  {"ProgramEndLine",       "NEND M02",                                                     "name{NEND} _{ } m{M}{02}:n"},
  {"SubprogramBanner",     "----------< USER GRAPHIC COMMAND >----------",                 "head{----------< USER GRAPHIC COMMAND >----------}"},
  {"SubprogramName",       "OUGC",                                                         "prog{OUGC}"},
  {"DefWork",              "N000 DEF WORK",                                                "seq{N000} _{ } kw{DEF} _{ } id{WORK}"},
  {"GraphicRectangle",     "N000 PS RC,[0,0],[60,50]",                                     "seq{N000} _{ } kw{PS} _{ } id{RC} sep{,} [{[} num{0}:n@1 sep{,}@1 num{0}:n@1 ]{]} sep{,} [{[} num{60}:n@1 sep{,}@1 num{50}:n@1 ]{]}"},
  {"GraphicFace",          "N000 PF 0,[0,0],50,D",                                         "seq{N000} _{ } kw{PF} _{ } num{0}:n sep{,} [{[} num{0}:n@1 sep{,}@1 num{0}:n@1 ]{]} sep{,} num{50}:n sep{,} id{D}"},
  {"GraphicCircle",        "N000 CI [0,0],[0,-12],R,0",                                    "seq{N000} _{ } kw{CI} _{ } [{[} num{0}:n@1 sep{,}@1 num{0}:n@1 ]{]} sep{,} [{[} num{0}:n@1 sep{,}@1 op{-}@1 num{12}:n@1 ]{]} sep{,} id{R} sep{,} num{0}:n"},
  {"SubprogramReturn",     "NRTS RTS",                                                     "name{NRTS} _{ } kw{RTS}"},
  {"MeasuringSkip",        "N000 IF[VDIN[32]EQ 0]NRTS",                                    "seq{N000} _{ } kw{IF} [{[} v{VDIN}@1 [{[}@1 num{32}:n@2 ]{]}@1 kw{EQ}@1 _{ }@1 num{0}:n@1 ]{]} label{NRTS}!jump"},
  {"CallArguments",        "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",               "name{NT05} _{ } kw{CALL} _{ } call{ODIAA} _{ } word{ZP1}={50}:n _{ } word{ZP2}={-20}:n _{ } word{TOF1}={15}:n _{ } word{TOF2}={05}:n"},
  {"ArgumentContinuation", "$         MSP=40 APP=3",                                       "cont{$} _{         } word{MSP}={40}:n _{ } word{APP}={3}:n"},
  {"ToolGroupRequest",     "N000 MT=3 TG=14",                                              "seq{N000} _{ } word{MT}={3}:n _{ } fst{TG}={14}:n"},
  {"ToolGroupLeftOpen",    "N000 MT=1 TG=",                                                "seq{N000} _{ } word{MT}={1}:n _{ } fst{TG}={}:none"},
  {"RotarySpeed",          "NT14 G00 C180 X200 Z50 SB=950 M08",                            "name{NT14} _{ } gm{G}{00}:n _{ } xyz{C}{180}:n _{ } xyz{X}{200}:n _{ } xyz{Z}{50}:n _{ } fst{SB}={950}:n _{ } m{M}{08}:n"},
  {"FeedPerTooth",         "N000 G01 Z0 F=SB*0.06",                                        "seq{N000} _{ } gm{G}{01}:n _{ } xyz{Z}{0}:n _{ } fst{F}={SB*0.06}:e"},
  {"TurretReturn",         "N000 G21 HP=4 M12 M63 M09",                                    "seq{N000} _{ } g{G}{21}:n _{ } word{HP}={4}:n _{ } m{M}{12}:n _{ } m{M}{63}:n _{ } m{M}{09}:n"},
  {"SlantToolCall",        "N000 G95 M110 TG=14 OG=1 G52 BA=30 M66",                       "seq{N000} _{ } g{G}{95}:n _{ } m{M}{110}:n _{ } fst{TG}={14}:n _{ } word{OG}={1}:n _{ } g{G}{52}:n _{ } word{BA}={30}:n _{ } m{M}{66}:n"},
  {"PlaneShift",           "N000 G174 SX=20 SZ=-40",                                       "seq{N000} _{ } g{G}{174}:n _{ } word{SX}={20}:n _{ } word{SZ}={-40}:n"},
  {"CircleArc",            "N000 G03 X0.2 Y20 L9.8",                                       "seq{N000} _{ } gm{G}{03}:n _{ } xyz{X}{0.2}:n _{ } xyz{Y}{20}:n _{ } word{L}{9.8}:n"},
  {"CallTrailingTab",      "N000 CALL OME12 (ID.MEASURE D40)\t",                           "seq{N000} _{ } kw{CALL} _{ } call{OME12} _{ } cmt{(ID.MEASURE D40)} _{\t}"},
  {"ThreadHeader",         "(-----< OD.THREAD M20*P1.5 >-----)",                           "head{(-----< OD.THREAD M20*P1.5 >-----)}"},
  {"DoubleBlank",          "N000 G00  X8 Y4 Z50",                                          "seq{N000} _{ } gm{G}{00}:n _{  } xyz{X}{8}:n _{ } xyz{Y}{4}:n _{ } xyz{Z}{50}:n"},
  {"ChuckData",            "NOEX VCHKX=25 VCHKZ=-59.5",                                    "noex{NOEX} _{ } var{VCHKX}={25}:n _{ } var{VCHKZ}={-59.5}:n"},
  {"ToolNameWord",         "N000 TLID",                                                    "seq{N000} _{ } id{TLID}"},
};

const LexRow kHandWrittenLines[] = {
  // name                  line                                                            tokens
  {"VariableAssignment",   "VC1=VC1+2",                                                    "var{VC1}={VC1+2}:e"},
  {"IndentedLabelMacro",   "  NLAB1 G00 X[VC1+2] Z=VC2",                                   "_{  } name{NLAB1} _{ } gm{G}{00}:n _{ } xyz{X}{[VC1+2]}:e _{ } xyz{Z}={VC2}:v"},
  {"TabIndentedGoto",      "\tN100 GOTO NLAB1",                                            "_{\t} seq{N100} _{ } kw{GOTO} _{ } label{NLAB1}!jump"},
  {"IfToNumber",           "N200 IF [VC1 EQ 0] N100",                                      "seq{N200} _{ } kw{IF} _{ } [{[} v{VC1}@1 _{ }@1 kw{EQ}@1 _{ }@1 num{0}:n@1 ]{]} _{ } label{N100}!jump"},
  {"BlockSkip",            "/N010 G00 X50",                                                "skip{/} seq{N010} _{ } gm{G}{00}:n _{ } xyz{X}{50}:n"},
  {"NumberedBlockSkip",    "/1 G01 Z-3",                                                   "skip{/1} _{ } gm{G}{01}:n _{ } xyz{Z}{-3}:n"},
  {"OpenComment",          "N000 G01 X10 (OPEN COMMENT",                                   "seq{N000} _{ } gm{G}{01}:n _{ } xyz{X}{10}:n _{ } opencmt{(OPEN COMMENT}!unclosed"},
  {"MalformedNumbers",     "X.1.26 Z--3 F0..2 X",                                          "xyz{X}{.1.26}:bad _{ } xyz{Z}{--3}:bad _{ } fst{F}{0..2}:bad _{ } xyz{X}{}:none"},
  {"SignWithoutDigits",    "N000 G01 X-",                                                  "seq{N000} _{ } gm{G}{01}:n _{ } xyz{X}{-}:bad"},
  {"Percent",              "%",                                                            "%{%}"},
  {"NumberedProgram",      "O1234",                                                        "prog{O1234}"},
  {"NumberForms",          "N0050 G01 X-12.5 Z.5 F100.",                                   "seq{N0050} _{ } gm{G}{01}:n _{ } xyz{X}{-12.5}:n _{ } xyz{Z}{.5}:n _{ } fst{F}{100.}:n"},
  {"LowerCaseIsUnknown",   "g01 x10 #5",                                                   "?{g} num{01}:n _{ } ?{x} num{10}:n _{ } ?{#} num{5}:n"},
  {"UnclosedWordBracket",  "X[VC1+2",                                                      "xyz{X}{[VC1+2}:e!unclosed"},
  {"StrayCloseBracket",    "N000 G00 X10]",                                                "seq{N000} _{ } gm{G}{00}:n _{ } xyz{X}{10}:n ]{]}!unmatched"},
  {"UnclosedConditions",   "IF [VC1 GT [VC2",                                              "kw{IF} _{ } [{[}!unclosed v{VC1}@1 _{ }@1 kw{GT}@1 _{ }@1 [{[}!unclosed@1 v{VC2}@2"},
  {"EndInsideComment",     "N000 M30 (M02 IN A COMMENT)",                                  "seq{N000} _{ } m{M}{30}:n _{ } cmt{(M02 IN A COMMENT)}"},
  {"LoneN",                "N",                                                            "word{N}{}:none"},
  {"MotionForms",          "N000 G1 G4 G03 G10 G003",                                      "seq{N000} _{ } gm{G}{1}:n _{ } g{G}{4}:n _{ } gm{G}{03}:n _{ } g{G}{10}:n _{ } gm{G}{003}:n"},
  {"SubSpindleWork",       "N000 DEF WORKF[S]",                                            "seq{N000} _{ } kw{DEF} _{ } id{WORKF} [{[} v{S}@1 ]{]}"},
  {"CarriageReturnByte",   "N000 G00 X100 \r",                                             "seq{N000} _{ } gm{G}{00}:n _{ } xyz{X}{100}:n _{ } ?{\r}"},
  {"OnlyBlanks",           "   ",                                                          "_{   }"},
  {"EmptyLine",            "",                                                             ""},
  {"EqualsWordAtStart",    "OG=1 NS=5",                                                    "word{OG}={1}:n _{ } word{NS}={5}:n"},
  {"BlankAfterAddress",    "NAP1 X 60.",                                                   "name{NAP1} _{ } xyz{X}{}:none _{ } num{60.}:n"},
  {"CallWithoutTarget",    "CALL 123",                                                     "kw{CALL} _{ } num{123}:n"},
  {"TwoTabs",              "\t\t",                                                         "_{\t\t}"},
  {"GotoAfterCondition",   "IF [VC1 NE VC2] GOTO NEND",                                    "kw{IF} _{ } [{[} v{VC1}@1 _{ }@1 kw{NE}@1 _{ }@1 v{VC2}@1 ]{]} _{ } kw{GOTO} _{ } label{NEND}!jump"},
  {"CommentOnly",          "(FIXED COMMENT) ",                                             "cmt{(FIXED COMMENT)} _{ }"},
  {"BannerWithoutTitleEnd","----< NOT A FRAME",                                            "?{----<} _{ } label{NOT} _{ } xyz{A}{}:none _{ } id{FRAME}"},
};
// clang-format on

std::string RowName(const ::testing::TestParamInfo<LexRow>& info) { return info.param.name; }
INSTANTIATE_TEST_SUITE_P(Generated, LexLineTest, ::testing::ValuesIn(kGeneratedLines), RowName);
INSTANTIATE_TEST_SUITE_P(HandWritten, LexLineTest, ::testing::ValuesIn(kHandWrittenLines), RowName);

// Checks every token of line: contiguous, non-empty, address and value
// inside the token; returns the concatenation.
std::string Rejoin(std::string_view line, const std::vector<Token>& tokens) {
  std::string joined;
  std::uint32_t at = 0;
  for (const Token& t : tokens) {
    EXPECT_EQ(t.start, at);
    EXPECT_GT(t.length, 0u);
    EXPECT_LE(t.start, t.addressEnd);
    EXPECT_LE(t.addressEnd, t.valueStart);
    EXPECT_LE(t.valueStart, t.end());
    at = t.end();
    joined += TokenText(line, t);
  }
  return joined;
}

// Guards against bytes lost, doubled or claimed by two tokens on input no
// one planned for (the highlighter and every transformation rely on it).
TEST(LexerProperty, TokensGiveRandomLinesBack) {
  std::mt19937 random(20240611);
  // Mostly the dialect's own characters, so brackets, comments and words
  // meet in odd ways; any byte but the line end now and then.
  const std::string alphabet = "NGXZTMSFOVCAIKLDUW0123456789.+-*/=[](),$%<> \t\rE";
  std::uniform_int_distribution<int> length(0, 60), pick(0, static_cast<int>(alphabet.size()) - 1),
      anyByte(0, 255), chance(0, 9);
  LineLexer lexer;
  for (int n = 0; n < 20000; ++n) {
    std::string line;
    for (int k = length(random); k > 0; --k) {
      char c = chance(random) == 0 ? static_cast<char>(anyByte(random)) : alphabet[static_cast<std::size_t>(pick(random))];
      line.push_back(c == '\n' ? ' ' : c);
    }
    const std::vector<Token>& tokens = lexer.lex(line);
    ASSERT_EQ(Rejoin(line, tokens), line) << "line " << n;
    ASSERT_EQ(tokens, LexLine(line)) << "a reused lexer keeps state of the line before: " << line;
  }
}

std::vector<std::string> GoldenExpectLines(std::size_t& files) {
  namespace fs = std::filesystem;
  std::vector<std::string> lines;
  const char* root = std::getenv("QUILLON_TEST_DATA");
  if (!root) return lines;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().extension() != ".golden") continue;
    ++files;
    std::ifstream in(entry.path());
    std::string line;
    bool inBlock = false;
    while (std::getline(in, line)) {
      if (line == "--- expect") inBlock = true;
      else if (line.starts_with("--- end")) inBlock = false;
      else if (inBlock) lines.push_back(line);
    }
  }
  return lines;
}

// Guards against the lexer disagreeing with the generators: a line they
// write coloured as unknown or malformed, or flagged unclosed, would show
// every generated program as full of mistakes.
TEST(LexerProperty, GeneratedLinesHoldNoUnknownToken) {
  std::size_t files = 0;
  const std::vector<std::string> lines = GoldenExpectLines(files);
  ASSERT_GE(files, 130u) << "golden files of every generator family";
  LineLexer lexer;
  for (const std::string& line : lines) {
    const std::vector<Token>& tokens = lexer.lex(line);
    EXPECT_EQ(Rejoin(line, tokens), line);
    for (const Token& t : tokens) {
      EXPECT_NE(t.kind, TokenKind::Unknown) << line;
      EXPECT_NE(t.value, ValueKind::Malformed) << line;
      EXPECT_FALSE(t.has(kTokenUnclosed) || t.has(kTokenUnmatched)) << line;
    }
  }
}

struct NumberRow {
  const char* name;
  const char* text;
  bool valid;
  double value;
  int decimals;
};

// Guards against numbers the controller reads differently: a trailing point,
// a leading point or a plus sign refused, two points or a bare sign taken.
class NcNumberTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NcNumberTest, ReadsTheNumber) {
  const NumberRow& r = GetParam();
  const std::optional<double> value = ParseNcNumber(r.text);
  EXPECT_EQ(IsNcNumber(r.text), r.valid);
  ASSERT_EQ(value.has_value(), r.valid);
  if (value) {
    EXPECT_DOUBLE_EQ(*value, r.value);
  }
  if (r.valid) {
    EXPECT_EQ(DecimalCount(r.text), r.decimals);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, NcNumberTest, ::testing::Values(
    // name             text        valid  value     decimals
    NumberRow{"Whole",      "100",      true,  100,      0},
    NumberRow{"TrailingDot","100.",     true,  100,      0},
    NumberRow{"LeadingDot", ".5",       true,  0.5,      1},
    NumberRow{"Negative",   "-0.5",     true,  -0.5,     1},
    NumberRow{"NegativeDot","-.25",     true,  -0.25,    2},
    NumberRow{"Plus",       "+3",       true,  3,        0},
    NumberRow{"Zeros",      "00",       true,  0,        0},
    NumberRow{"FourPlaces", "12.3456",  true,  12.3456,  4},
    NumberRow{"TwoPoints",  ".1.26",    false, 0,        0},
    NumberRow{"TwoSigns",   "--3",      false, 0,        0},
    NumberRow{"DoublePoint","0..2",     false, 0,        0},
    NumberRow{"BareSign",   "-",        false, 0,        0},
    NumberRow{"BarePoint",  ".",        false, 0,        0},
    NumberRow{"Exponent",   "1E5",      false, 0,        0},
    NumberRow{"Empty",      "",         false, 0,        0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against transformations finding the wrong token under an offset
// (the first byte, a token's last byte, the line end).
TEST(TokenAtTest, FindsTheTokenHoldingAnOffset) {
  const std::string line = "N000 G01 X-12.5";
  const std::vector<Token> tokens = LexLine(line);
  // N000 | " " | G01 | " " | X-12.5: offsets 0-3, 4, 5-7, 8, 9-14.
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 0)), "N000");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 3)), "N000");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 4)), " ");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 9)), "X-12.5");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 15)), "X-12.5");
  EXPECT_EQ(TokenAt({}, 0), nullptr);
  EXPECT_EQ(WordNumber(line, *TokenAt(tokens, 10)), -12.5);
  EXPECT_EQ(WordNumber(line, *TokenAt(tokens, 0)), std::nullopt);
  EXPECT_EQ(HeaderTitle("(-----<  OD.ROUGH\t>-----)", LexLine("(-----<  OD.ROUGH\t>-----)")[0]), "OD.ROUGH");
}

}  // namespace
}  // namespace quillon
