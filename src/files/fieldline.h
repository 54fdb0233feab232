#pragma once
// Value lines as both file formats write them: every value followed by the
// separator, the last one too, no quoting and no escaping.

#include <cstring>
#include <string>

#include "files/textfile.h"

// Appends values at(0) .. at(count - 1), each followed by the separator. One
// resize and inline copies: most values are empty or a few bytes, and a
// library call per value and separator would cost more than the bytes.
template <typename ValueAt>
void AppendFields(std::string& line, size_t count, const std::string& separator, ValueAt at)
{
    size_t total = line.size() + count * separator.size();
    for (size_t i = 0; i < count; ++i)
        total += at(i).size();
    const size_t start = line.size();
    line.resize(total);
    char* out = &line[start];
    for (size_t i = 0; i < count; ++i) {
        const std::string& value = at(i);
        if (value.size() > 16) {
            std::memcpy(out, value.data(), value.size());
            out += value.size();
        } else {
            for (char c : value)
                *out++ = c;
        }
        for (char c : separator)
            *out++ = c;
    }
}

// Value lines gathered into large writes, so each byte is copied once.
class TLineBatch {
public:
    explicit TLineBatch(TTextFileWriter& out) : out_(out) {}
    ~TLineBatch() = default;  // unflushed lines are dropped: a failed write commits nothing anyway

    // One line of `count` values, CR LF added.
    template <typename ValueAt>
    void Add(size_t count, const std::string& separator, ValueAt at)
    {
        AppendFields(text_, count, separator, at);
        text_ += "\r\n";
        if (text_.size() >= kFlushSize)
            Flush();
    }
    void Add(const std::string* values, size_t count, const std::string& separator)
    {
        Add(count, separator, [values](size_t i) -> const std::string& { return values[i]; });
    }
    void Flush()
    {
        out_.Write(text_);
        text_.clear();
    }

private:
    static constexpr size_t kFlushSize = size_t{1} << 20;
    TTextFileWriter& out_;
    std::string text_;
};
