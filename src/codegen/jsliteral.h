#pragma once
// Values of the generated parameter script as JavaScript source text. The
// run-time scripts receive exactly the stored text: a value is escaped for the
// string literal that holds it, and a value meant to be written as a bare
// number is only written bare when it really is an integer.

#include <string>

// The quote style of one generated call: createMenuGlobalParams uses double
// quotes, createItem apostrophes.
enum class TQuote : char { Double = '"', Apostrophe = '\'' };

// Optional minus sign followed by one or more decimal digits, nothing else.
bool IsIntegerText(const std::string& text);

// The text (UTF-8) with backslash, the quote character, CR and LF escaped, and
// every character above U+007F written as \u and four lower-case hex digits of
// its UTF-16 code units, so the literal is plain ASCII and reads the same in a
// page of any encoding. ASCII text comes out as before.
std::string EscapeForJavaScript(const std::string& text, TQuote quote);

// quote + escaped text + quote.
std::string QuotedLiteral(const std::string& text, TQuote quote);

// The text itself when it is an integer, else its quoted literal, so that no
// stored text can end up as script code.
std::string BareLiteral(const std::string& text, TQuote quote);

// The same, appended to `out` (the generator builds long lines this way).
void AppendQuotedLiteral(std::string& out, const std::string& text, TQuote quote);
void AppendBareLiteral(std::string& out, const std::string& text, TQuote quote);
