#pragma once
// Text files as the product writes and reads them: bytes as stored (no code
// page conversion), every written line ended by CR LF. Reading ends a line at
// CR and skips one LF right after it; a lone LF belongs to the line; a Ctrl-Z
// byte ends the file.

#include <cstddef>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// An input/output failure that names the file and the reason, e.g.
// Cannot open file "/x/menu.tmz". File not found
class TFileError : public std::runtime_error {
public:
    TFileError(const std::string& action, const std::string& path, const std::string& reason);
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// The reason text for the current errno ("File not found" for ENOENT).
std::string ReasonFromErrno(int error);

class TTextLineReader {
public:
    // Throws TFileError when the file cannot be opened or read.
    explicit TTextLineReader(const std::string& path);
    // False at the end of the file (or at a Ctrl-Z byte).
    bool ReadLine(std::string& line);
    // The same without a copy: the view stays valid while the reader lives.
    bool ReadLine(std::string_view& line);
    bool Empty() const { return size_ == 0; }
    // How many lines ReadLine will still give, at most: lets a reader reserve.
    size_t LinesLeft() const;

private:
    void Append(const char* bytes, size_t count);

    // Not a std::string: sizing one writes every byte before the file does.
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t pos_ = 0;
    size_t end_ = 0;
};

// Writes a whole file. With atomic replacement the text goes to a temporary
// file beside the target and is renamed over it on Commit, so a failure never
// leaves a half-written file; otherwise the target is truncated and written.
class TTextFileWriter {
public:
    enum class Mode { Direct, AtomicReplace };
    TTextFileWriter(const std::string& path, Mode mode = Mode::AtomicReplace);  // throws TFileError
    ~TTextFileWriter();  // without Commit: discards the temporary file
    TTextFileWriter(const TTextFileWriter&) = delete;
    TTextFileWriter& operator=(const TTextFileWriter&) = delete;

    void WriteLine(const std::string& line);  // appends CR LF
    void Write(const std::string& text);      // raw bytes, no line end
    void Commit();                            // flush, close, rename; throws TFileError

private:
    std::string path_;        // as the caller named it, for messages
    std::string targetPath_;  // the file replaced: path_ with links followed
    std::string writePath_;
    Mode mode_;
    std::ofstream out_;
    bool committed_ = false;
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
