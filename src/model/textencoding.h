#pragma once
// The two encodings a menu's text files come in. The document holds its text
// as UTF-8 in memory whatever the file used; the readers decode, the writers
// encode back, so a file from the older Windows program (Windows-1252) saves
// byte for byte while it holds nothing Windows-1252 lacks.

#include <cstdint>
#include <string>
#include <string_view>

enum class TTextEncoding { Utf8, Windows1252 };

// The name a message shows ("UTF-8", "Windows-1252").
const char* EncodingName(TTextEncoding encoding);

bool IsValidUtf8(std::string_view bytes);

// The one rule for text files: all bytes valid UTF-8 means UTF-8, anything
// else is Windows-1252.
TTextEncoding DetectEncoding(std::string_view bytes);

// Windows-1252 to UTF-8. The five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become U+0081 .. U+009D, so every byte sequence has
// a text and that text encodes back to the same bytes.
std::string Windows1252ToUtf8(std::string_view bytes);
// Appends the UTF-8 form of `bytes` to `out`.
void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);

// UTF-8 to Windows-1252; false (out unspecified) when a character has no
// Windows-1252 byte or the text is not valid UTF-8.
bool Utf8ToWindows1252(std::string_view text, std::string& out);
// Whether the text can be written in the encoding without loss.
bool FitsEncoding(std::string_view text, TTextEncoding encoding);

// Decodes one code point at `at` and advances past it; a byte that starts no
// valid sequence comes back as itself (0x80 .. 0xFF) and advances by one.
char32_t NextCodePoint(std::string_view text, size_t& at);
void AppendUtf8(std::string& out, char32_t codePoint);

// Simple Unicode case folding (one character to one character), so letters
// beyond ASCII compare without regard to case too.
char32_t FoldCase(char32_t codePoint);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

// The text's bytes in the encoding; text the encoding cannot hold is left
// as UTF-8 (callers choose an encoding that holds it).
std::string EncodeText(std::string_view text, TTextEncoding encoding);
