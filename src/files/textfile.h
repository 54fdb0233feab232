#pragma once
// Text files as the product reads them: the whole file at once, its encoding
// decided by one rule (valid UTF-8, else Windows-1252) and the text handed out
// as UTF-8. Reading ends a line at CR and skips one LF right after it; a lone
// LF belongs to the line; a Ctrl-Z byte ends the file. Only regular files are
// read: a FIFO or a device is refused at once instead of hanging or filling
// memory.

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/textencoding.h"

// An input/output failure that names the file and the reason, e.g.
// Cannot open file "/x/menu.tmz". File not found
class TFileError : public std::runtime_error {
public:
    TFileError(const std::string& action, const std::string& path, const std::string& reason);
    // A message that is not "<action> "<path>". <reason>", given whole.
    struct WholeMessage {};
    TFileError(WholeMessage, const std::string& message, const std::string& path, const std::string& reason);
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// Reading ran out of memory: "Not enough memory to open "<path>"".
TFileError OutOfMemoryError(const std::string& path);

// The reason text for an errno value ("File not found" for ENOENT).
std::string ReasonFromErrno(int error);
extern const char* const kNotRegularFileReason;  // "Is not a regular file"

// The whole content of a regular file (links followed; anything else is
// refused); throws TFileError.
std::string ReadWholeFile(const std::string& path);

class TTextLineReader {
public:
    // Throws TFileError when the file cannot be opened or read, or is no
    // regular file.
    explicit TTextLineReader(const std::string& path);
    // The same rules over bytes already in memory (the clipboard's text).
    struct FromBytes {};
    TTextLineReader(FromBytes, std::string bytes);
    // False at the end of the file (or at a Ctrl-Z byte).
    bool ReadLine(std::string& line);
    // The same without a copy: the view stays valid while the reader lives.
    bool ReadLine(std::string_view& line);
    // False when the line ReadLine gave last ran into the end of the file
    // without a CR: the last line of a file that was cut short.
    bool LineEnded() const { return lineEnded_; }
    bool Empty() const { return text_.empty(); }
    // How many lines ReadLine will still give, at most: lets a reader reserve.
    size_t LinesLeft() const;
    // The encoding the file's bytes were in; the lines are UTF-8 either way.
    TTextEncoding Encoding() const { return encoding_; }

private:
    void Decode(size_t size);

    // The bytes as read; not a std::string, which would write every byte
    // once before the file does.
    std::unique_ptr<char[]> bytes_;
    std::string converted_;  // the text of a Windows-1252 file as UTF-8
    std::string_view text_;  // the file up to its Ctrl-Z, as UTF-8
    size_t pos_ = 0;
    bool lineEnded_ = false;
    TTextEncoding encoding_ = TTextEncoding::Utf8;
};

// The text between the (n-1)-th and the n-th separator (n >= 1); "" when the
// line holds fewer than n separators.
std::string NthField(const std::string& line, int n, const std::string& separator);
// All fields at once, for the readers: the first `count` values, "" past the end.
std::vector<std::string> SplitFields(std::string_view line, int count, const std::string& separator);
// The same into `count` strings the caller owns, so a reader fills a record in
// place without building an array per line.
void SplitFieldsInto(std::string_view line, const std::string& separator, std::string* out, size_t count);
// The same as views into the line.
void SplitFieldViews(std::string_view line, const std::string& separator, std::string_view* out, size_t count);
// Field `index` (0-based) as SplitFieldsInto would fill it, without a copy.
std::string_view FieldView(std::string_view line, const std::string& separator, size_t index);
