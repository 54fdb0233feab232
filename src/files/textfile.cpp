#include "files/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

constexpr char kCtrlZ = '\x1A';

std::string DescribeFailure(const std::string& action, const std::string& path, const std::string& reason)
{
    return action + " \"" + path + "\". " + reason;
}

// A name beside the target that no other writer picks, so two saves into the
// same folder never share a temporary file.
std::string TemporaryNameBeside(const std::string& path)
{
    static std::mt19937_64 generator{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".~%012llx.tmp",
                  static_cast<unsigned long long>(generator() & 0xFFFFFFFFFFFFull));
    return path + suffix;
}

}  // namespace

TFileError::TFileError(const std::string& action, const std::string& path, const std::string& reason)
    : std::runtime_error(DescribeFailure(action, path, reason)), path_(path), reason_(reason)
{
}

std::string ReasonFromErrno(int error)
{
    switch (error) {
    case ENOENT: return "File not found";
    case EACCES:
    case EPERM: return "Access denied";
    case ENOSPC: return "Disk full";
    case EISDIR: return "Is a folder, not a file";
    case EROFS: return "The disk is write-protected";
    default: return error ? std::strerror(error) : "Unknown input/output error";
    }
}

TTextLineReader::TTextLineReader(const std::string& path)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw TFileError("Cannot open file", path, ReasonFromErrno(errno));
    // One read of the whole file where its size is known; the loop still
    // covers files that grow or report no size.
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (!sizeError && size > 0 && size < std::string().max_size()) {
        capacity_ = static_cast<size_t>(size);
        data_.reset(new char[capacity_]);
        size_ = std::fread(data_.get(), 1, capacity_, file);
    }
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        Append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        throw TFileError("Cannot read file", path, ReasonFromErrno(error));
    const void* ctrlZ = size_ ? std::memchr(data_.get(), kCtrlZ, size_) : nullptr;
    end_ = ctrlZ ? static_cast<size_t>(static_cast<const char*>(ctrlZ) - data_.get()) : size_;
}

void TTextLineReader::Append(const char* bytes, size_t count)
{
    if (size_ + count > capacity_) {
        const size_t capacity = std::max(size_ + count, capacity_ * 2);
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (size_)
            std::memcpy(grown.get(), data_.get(), size_);
        data_ = std::move(grown);
        capacity_ = capacity;
    }
    std::memcpy(data_.get() + size_, bytes, count);
    size_ += count;
}

bool TTextLineReader::ReadLine(std::string_view& line)
{
    if (pos_ >= end_)
        return false;
    const char* begin = data_.get() + pos_;
    const void* cr = std::memchr(begin, '\r', end_ - pos_);
    const size_t stop = cr ? static_cast<size_t>(static_cast<const char*>(cr) - data_.get()) : end_;
    line = std::string_view(begin, stop - pos_);
    pos_ = stop + 1;
    if (cr && pos_ < end_ && data_[pos_] == '\n')
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
    for (const char* at = data_.get() + pos_; at < data_.get() + end_; ++lines) {
        const void* cr = std::memchr(at, '\r', static_cast<size_t>(data_.get() + end_ - at));
        if (!cr)
            return lines + 1;
        at = static_cast<const char*>(cr) + 1;
    }
    return lines;
}

namespace {

namespace fs = std::filesystem;

// The file a replacement must land on: through a link to the file it names,
// so saving never turns a link into a copy.
std::string ReplacementTarget(const std::string& path)
{
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

// Renaming would replace what opening for writing refuses: a folder, or a
// file that nobody may write to.
void RefuseUnwritableTarget(const std::string& target, const std::string& shownPath)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (error || !fs::exists(status))
        return;
    if (fs::is_directory(status))
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(EISDIR));
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & writable) == fs::perms::none)
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(EACCES));
}

}  // namespace

TTextFileWriter::TTextFileWriter(const std::string& path, Mode mode)
    : path_(path),
      targetPath_(mode == Mode::AtomicReplace ? ReplacementTarget(path) : path),
      writePath_(mode == Mode::AtomicReplace ? TemporaryNameBeside(targetPath_) : path),
      mode_(mode)
{
    if (mode_ == Mode::AtomicReplace)
        RefuseUnwritableTarget(targetPath_, path_);
    errno = 0;
    out_.open(writePath_, std::ios::binary | std::ios::trunc);
    if (!out_)
        throw TFileError("Cannot create file", path_, ReasonFromErrno(errno));
}

TTextFileWriter::~TTextFileWriter()
{
    if (committed_)
        return;
    out_.close();
    if (mode_ == Mode::AtomicReplace)
        std::remove(writePath_.c_str());
}

void TTextFileWriter::WriteLine(const std::string& line)
{
    out_.write(line.data(), static_cast<std::streamsize>(line.size()));
    out_.write("\r\n", 2);
}

void TTextFileWriter::Write(const std::string& text)
{
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void TTextFileWriter::Commit()
{
    if (committed_)
        return;
    errno = 0;
    out_.flush();
    out_.close();
    if (!out_) {
        const int error = errno;
        if (mode_ == Mode::AtomicReplace)
            std::remove(writePath_.c_str());
        committed_ = true;
        throw TFileError("Cannot write file", path_, ReasonFromErrno(error ? error : EIO));
    }
    if (mode_ == Mode::AtomicReplace) {
        // The replacement keeps the old file's permissions.
        std::error_code error;
        const fs::file_status old = fs::status(targetPath_, error);
        if (!error && fs::exists(old))
            fs::permissions(writePath_, old.permissions(), error);
    }
    if (mode_ == Mode::AtomicReplace && std::rename(writePath_.c_str(), targetPath_.c_str()) != 0) {
        const int error = errno;
        std::remove(writePath_.c_str());
        committed_ = true;
        throw TFileError("Cannot write file", path_, ReasonFromErrno(error));
    }
    committed_ = true;
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
