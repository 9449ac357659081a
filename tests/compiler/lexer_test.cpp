// The lexer: token kinds and positions, case-insensitive keywords, comments,
// continuations, literal forms, and the errors for malformed input.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "compiler/lexer.h"

namespace {

struct Lexed {
  std::vector<zc::Token> tokens;
  std::string errors;
  int error_count = 0;
};

Lexed lex(const std::string& text, int error_limit = zc::Diagnostics::k_error_limit) {
  static zc::SourceFile file;  // tokens view the text, so it must outlive the call
  file = zc::SourceFile{"t.zs", text};
  std::ostringstream out;
  zc::Diagnostics diagnostics(out, error_limit);
  Lexed result;
  result.tokens = zc::tokenize(file, diagnostics);
  result.errors = out.str();
  result.error_count = diagnostics.error_count();
  return result;
}

std::vector<zc::TokenKind> kinds(const std::string& text) {
  std::vector<zc::TokenKind> result;
  for (const zc::Token& token : lex(text).tokens) result.push_back(token.kind);
  return result;
}

using K = zc::TokenKind;

}  // namespace

TEST(Lexer, KeywordsAreCaseInsensitiveAndIdentifiersKeepTheirSpelling) {
  EXPECT_EQ(kinds("dim X as INTEGER"),
            (std::vector{K::Dim, K::Identifier, K::As, K::Identifier, K::Newline, K::EndOfFile}));
  EXPECT_EQ(kinds("END if elseif"), (std::vector{K::End, K::If, K::ElseIf, K::Newline, K::EndOfFile}));
  EXPECT_EQ(lex("myVar").tokens[0].text, "myVar");
}

TEST(Lexer, EveryTableEntryLexesToItsKind) {
  for (const zc::TokenSpelling& spelling : zc::k_token_table) {
    std::vector<zc::Token> tokens = lex(std::string(spelling.text)).tokens;
    ASSERT_EQ(tokens.size(), 3u) << spelling.text;
    EXPECT_EQ(tokens[0].kind, spelling.kind) << spelling.text;
    EXPECT_EQ(zc::token_name(spelling.kind), spelling.text);
  }
}

TEST(Lexer, OperatorsTakeTheLongestMatch) {
  EXPECT_EQ(kinds("a<=b<>c>=d<e"),
            (std::vector{K::Identifier, K::LessEqual, K::Identifier, K::NotEqual, K::Identifier,
                         K::GreaterEqual, K::Identifier, K::Less, K::Identifier, K::Newline, K::EndOfFile}));
}

TEST(Lexer, CommentsRunToTheEndOfTheLine) {
  EXPECT_EQ(kinds("x ' a comment = 3\ny // another"),
            (std::vector{K::Identifier, K::Newline, K::Identifier, K::Newline, K::EndOfFile}));
  EXPECT_EQ(kinds("a / b"), (std::vector{K::Identifier, K::Slash, K::Identifier, K::Newline, K::EndOfFile}));
}

TEST(Lexer, LineEndsEndStatementsAndBlankLinesCollapse) {
  EXPECT_EQ(kinds("\n\na\r\n\r\n\nb\n"),
            (std::vector{K::Identifier, K::Newline, K::Identifier, K::Newline, K::EndOfFile}));
}

TEST(Lexer, UnderscoreAtLineEndContinuesTheStatement) {
  Lexed lexed = lex("x = 1 + _\n  2 _ ' note\n + 3\ny");
  std::vector<K> expected{K::Identifier, K::Equal, K::Integer, K::Plus, K::Integer, K::Plus,
                          K::Integer, K::Newline, K::Identifier, K::Newline, K::EndOfFile};
  std::vector<K> got;
  for (const zc::Token& token : lexed.tokens) got.push_back(token.kind);
  EXPECT_EQ(got, expected);
  EXPECT_EQ(lexed.tokens[4].line, 2);
  EXPECT_EQ(lexed.tokens[8].line, 4);
  EXPECT_EQ(kinds("my_name _x"), (std::vector{K::Identifier, K::Identifier, K::Newline, K::EndOfFile}));
}

TEST(Lexer, StringsKeepDoubledQuotes) {
  Lexed lexed = lex("s = \"say \"\"hi\"\"\" + \"\"");
  EXPECT_EQ(lexed.error_count, 0);
  EXPECT_EQ(lexed.tokens[2].kind, K::String);
  EXPECT_EQ(lexed.tokens[2].text, "\"say \"\"hi\"\"\"");
  EXPECT_EQ(lexed.tokens[4].text, "\"\"");
}

TEST(Lexer, NumberForms) {
  for (const char* text : {"123", "&hFF", "&HfF", "&b101", "&o17"}) {
    Lexed lexed = lex(text);
    EXPECT_EQ(lexed.tokens[0].kind, K::Integer) << text;
    EXPECT_EQ(lexed.tokens[0].text, text);
  }
  for (const char* text : {"1.5", "2e-3", "1E+10", ".25", "3.0e2"}) {
    Lexed lexed = lex(text);
    EXPECT_EQ(lexed.tokens[0].kind, K::Real) << text;
    EXPECT_EQ(lexed.tokens[0].text, text);
  }
  EXPECT_EQ(kinds("True False Nil"), (std::vector{K::True, K::False, K::Nil, K::Newline, K::EndOfFile}));
}

TEST(Lexer, TokensCarryLineAndColumn) {
  Lexed lexed = lex("a\n  bb = 3");
  EXPECT_EQ(lexed.tokens[2].line, 2);
  EXPECT_EQ(lexed.tokens[2].column, 3);
  EXPECT_EQ(lexed.tokens[4].column, 8);
}

TEST(Lexer, MalformedInputIsReportedWithItsPosition) {
  using namespace std::string_view_literals;
  struct Case {
    std::string_view text;
    const char* message;
  };
  for (const Case& c : {Case{"x = \"open", "t.zs:1:5: error: unterminated string"},
                        Case{"x = 12ab", "t.zs:1:5: error: bad number: letters after digits"},
                        Case{"x = 2e+", "t.zs:1:5: error: bad number: exponent without digits"},
                        Case{"x = &hZZ", "t.zs:1:5: error: bad number: invalid digits after '&h'"},
                        Case{"x = &b102", "t.zs:1:5: error: bad number: invalid digits after '&b'"},
                        Case{"x = 1 $ 2", "t.zs:1:7: error: unexpected character '$'"},
                        Case{"x = \"a\0b\0\""sv,
                             "t.zs:1:7: error: a NUL byte inside a string; write Chr(0) for that character"}}) {
    Lexed lexed = lex(std::string(c.text));
    EXPECT_EQ(lexed.error_count, 1) << c.text;
    EXPECT_EQ(lexed.errors.substr(0, lexed.errors.find('\n')), c.message);
  }
}

TEST(Lexer, ErrorsShowTheSourceLineAndACaret) {
  Lexed lexed = lex("a = 1\n\tb = @\n");
  EXPECT_EQ(lexed.errors, "t.zs:2:6: error: unexpected character '@'\n  \tb = @\n  \t    ^\n");
}

TEST(Lexer, StopsAtTheErrorLimit) {
  Lexed lexed = lex(std::string(50, '$'));
  EXPECT_EQ(lexed.error_count, zc::Diagnostics::k_error_limit);
  EXPECT_NE(lexed.errors.find("too many errors, stopping"), std::string::npos);
  EXPECT_EQ(lexed.tokens.back().kind, K::EndOfFile);
  EXPECT_EQ(lex(std::string(50, '$'), 0).error_count, 50) << "a limit of 0 reports every error";
  EXPECT_EQ(lex(std::string(50, '$'), 3).error_count, 3);
}

// The names a conditional program keeps, and its first error.
TEST(Lexer, ConditionalCompilationKeepsTheLinesOfThisPlatform) {
  struct Case {
    const char* text;
    const char* kept;
    const char* first_error;
  } cases[] = {
      {"#If TargetWin32 Then\na\n#Else\nb $ \"\n#EndIf\nc\n", "a c", ""},
      {"#if not TargetWin32 then\na\n#else\nb\n#endif\n", "b", ""},
      {"#If False Then\n  #If True Then\na\n  #Else\nb\n  #EndIf\n#Else\nc\n#EndIf\n", "c", ""},
      {"#If TargetMacOS Then\n#pragma Anything\n#EndIf\n#pragma x\n", "pragma x", ""},
      {"#If Width > 3 Then\na\n#EndIf\n", "",
       "t.zs:1:5: error: #If takes True, False, TargetWin32 or TargetMacOS, optionally after Not, and then Then"},
      {"a\n#EndIf\n", "a", "t.zs:2:1: error: #EndIf without #If"},
      {"#If True Then\n#Else\n#Else\n#EndIf\n", "", "t.zs:3:1: error: a second #Else for the #If at line 1"},
      {"#If True Then\na\n", "a", "t.zs:1:1: error: '#EndIf' expected (to close '#If' at line 1)"},
      {"a #If True Then\n", "a", "t.zs:1:3: error: a # directive stands at the start of its line"},
  };
  for (const Case& c : cases) {
    const Lexed lexed = lex(c.text);
    std::string kept;
    for (const zc::Token& token : lexed.tokens)
      if (token.kind == K::Identifier) kept += (kept.empty() ? "" : " ") + std::string(token.text);
    EXPECT_EQ(kept, c.kept) << c.text;
    EXPECT_EQ(lexed.errors.substr(0, lexed.errors.find('\n')), c.first_error) << c.text;
  }
}
