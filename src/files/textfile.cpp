#include "files/textfile.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "files/systemfiles.h"

namespace {

constexpr char kCtrlZ = '\x1A';

std::string DescribeFailure(const std::string& action, const std::string& path, const std::string& reason)
{
    return reason.empty() ? action + " \"" + path + "\"" : action + " \"" + path + "\". " + reason;
}

class TOpenFile {
public:
    explicit TOpenFile(TSystemHandle file) : file_(file) {}
    ~TOpenFile() { CloseQuietly(file_); }
    TOpenFile(const TOpenFile&) = delete;
    TOpenFile& operator=(const TOpenFile&) = delete;
    TSystemHandle Get() const { return file_; }

private:
    TSystemHandle file_;
};

// Reads the whole file into a buffer that grows as needed; `hint` is the size
// the system reported, a hint only (the file may grow or shrink).
std::unique_ptr<char[]> ReadAll(TSystemHandle file, size_t hint, size_t& size, const std::string& path)
{
    size_t capacity = hint + 1;  // one spare byte tells the end from a full buffer
    std::unique_ptr<char[]> data(new char[capacity]);
    size = 0;
    for (;;) {
        if (size == capacity) {
            const size_t grown = capacity * 2;
            std::unique_ptr<char[]> bigger(new char[grown]);
            std::memcpy(bigger.get(), data.get(), size);
            data = std::move(bigger);
            capacity = grown;
        }
        size_t got = 0;
        if (const int error = ReadSome(file, data.get() + size, capacity - size, got))
            throw TFileError("Cannot read file", path, ReasonFromErrno(error));
        if (got == 0)
            return data;
        size += got;
    }
}

}  // namespace

const char* const kNotRegularFileReason = "Is not a regular file";

TFileError::TFileError(const std::string& action, const std::string& path, const std::string& reason)
    : std::runtime_error(DescribeFailure(action, path, reason)), path_(path), reason_(reason)
{
}

TFileError::TFileError(WholeMessage, const std::string& message, const std::string& path, const std::string& reason)
    : std::runtime_error(message), path_(path), reason_(reason)
{
}

TFileError OutOfMemoryError(const std::string& path)
{
    return TFileError("Not enough memory to open", path, "");
}

std::string ReasonFromErrno(int error)
{
    switch (error) {
    case ENOENT: return "File not found";
    case EACCES:
    case EPERM: return "Access denied";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "Disk full";
    case EISDIR: return "Is a folder, not a file";
    case EROFS: return "The disk is write-protected";
    case ENAMETOOLONG: return "File name too long";
    case kNotRegularFileError: return kNotRegularFileReason;
    case kReservedNameError: return "The name is reserved by Windows for a device";
    default: return error ? std::strerror(error) : "Unknown input/output error";
    }
}

namespace {

// Every byte of a regular file; running out of memory names the file.
std::unique_ptr<char[]> ReadFileBytes(const std::string& path, size_t& size)
{
    TSystemHandle handle = kNoHandle;
    std::uint64_t sizeHint = 0;
    if (const int error = OpenRegularFile(path, handle, sizeHint))
        throw TFileError("Cannot open file", path, ReasonFromErrno(error));
    TOpenFile file(handle);
    try {
        return ReadAll(file.Get(), static_cast<size_t>(sizeHint), size, path);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path);
    }
}

}  // namespace

std::string ReadWholeFile(const std::string& path)
{
    size_t size = 0;
    const std::unique_ptr<char[]> data = ReadFileBytes(path, size);
    try {
        return std::string(data.get(), size);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path);
    }
}

TTextLineReader::TTextLineReader(const std::string& path)
{
    size_t size = 0;
    bytes_ = ReadFileBytes(path, size);
    try {
        Decode(size);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path);
    }
}

TTextLineReader::TTextLineReader(FromBytes, std::string bytes)
{
    bytes_.reset(new char[bytes.size() + 1]);
    std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    Decode(bytes.size());
}

void TTextLineReader::Decode(size_t size)
{
    const void* ctrlZ = size ? std::memchr(bytes_.get(), kCtrlZ, size) : nullptr;
    const size_t end = ctrlZ ? static_cast<size_t>(static_cast<const char*>(ctrlZ) - bytes_.get()) : size;
    const std::string_view content(bytes_.get(), end);
    encoding_ = DetectEncoding(content);
    if (encoding_ == TTextEncoding::Utf8) {
        text_ = content;
    } else {
        converted_ = Windows1252ToUtf8(content);
        bytes_.reset();
        text_ = converted_;
    }
}

bool TTextLineReader::ReadLine(std::string_view& line)
{
    if (pos_ >= text_.size())
        return false;
    const char* data = text_.data();
    const char* begin = data + pos_;
    const void* cr = std::memchr(begin, '\r', text_.size() - pos_);
    const size_t stop = cr ? static_cast<size_t>(static_cast<const char*>(cr) - data) : text_.size();
    line = std::string_view(begin, stop - pos_);
    lineEnded_ = cr != nullptr;
    pos_ = stop + 1;
    if (cr && pos_ < text_.size() && data[pos_] == '\n')
        ++pos_;
    return true;
}

bool TTextLineReader::ReadLine(std::string& line)
{
    std::string_view view;
    if (!ReadLine(view))
        return false;
    line.assign(view.data(), view.size());
    return true;
}

size_t TTextLineReader::LinesLeft() const
{
    size_t lines = 0;
    const char* end = text_.data() + text_.size();
    for (const char* at = text_.data() + pos_; at < end; ++lines) {
        const void* cr = std::memchr(at, '\r', static_cast<size_t>(end - at));
        if (!cr)
            return lines + 1;
        at = static_cast<const char*>(cr) + 1;
    }
    return lines;
}

namespace {

// Where the next separator starts at or after `from`, or npos. Most values are
// empty or a few bytes, so a plain byte scan beats a library call per value.
size_t FindSeparator(std::string_view line, size_t from, const std::string& separator)
{
    const size_t width = separator.size();
    if (line.size() < width)
        return std::string_view::npos;
    const char* data = line.data();
    const char first = separator[0];
    const size_t lastStart = line.size() - width;
    for (size_t at = from; at <= lastStart; ++at) {
        if (data[at] != first)
            continue;
        size_t matched = 1;
        while (matched < width && data[at + matched] == separator[matched])
            ++matched;
        if (matched == width)
            return at;
    }
    return std::string_view::npos;
}

// Hands the first `count` fields to take(i, value) in order, "" past the end.
template <typename TakeField>
void ForEachField(std::string_view line, const std::string& separator, size_t count, TakeField take)
{
    size_t filled = 0;
    if (!separator.empty()) {
        size_t start = 0;
        while (filled < count) {
            const size_t at = FindSeparator(line, start, separator);
            if (at == std::string_view::npos)
                break;
            take(filled++, line.substr(start, at - start));
            start = at + separator.size();
        }
    }
    for (; filled < count; ++filled)
        take(filled, std::string_view());
}

}  // namespace

void SplitFieldsInto(std::string_view line, const std::string& separator, std::string* out, size_t count)
{
    ForEachField(line, separator, count, [out](size_t i, std::string_view value) {
        if (value.empty())
            out[i].clear();
        else
            out[i].assign(value.data(), value.size());
    });
}

void SplitFieldViews(std::string_view line, const std::string& separator, std::string_view* out, size_t count)
{
    ForEachField(line, separator, count, [out](size_t i, std::string_view value) { out[i] = value; });
}

std::string_view FieldView(std::string_view line, const std::string& separator, size_t index)
{
    if (separator.empty())
        return {};
    size_t start = 0;
    for (size_t i = 0;; ++i) {
        const size_t at = FindSeparator(line, start, separator);
        if (at == std::string_view::npos)
            return {};
        if (i == index)
            return line.substr(start, at - start);
        start = at + separator.size();
    }
}

std::vector<std::string> SplitFields(std::string_view line, int count, const std::string& separator)
{
    std::vector<std::string> fields(count > 0 ? static_cast<size_t>(count) : 0);
    SplitFieldsInto(line, separator, fields.data(), fields.size());
    return fields;
}

std::string NthField(const std::string& line, int n, const std::string& separator)
{
    if (n < 1 || separator.empty())
        return "";
    size_t start = 0;
    for (int i = 1;; ++i) {
        const size_t at = line.find(separator, start);
        if (at == std::string::npos)
            return "";
        if (i == n)
            return line.substr(start, at - start);
        start = at + separator.size();
    }
}
