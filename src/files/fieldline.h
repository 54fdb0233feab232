#pragma once
// Value lines as both file formats write them: every value followed by the
// separator, the last one too, no quoting and no escaping.

#include <array>
#include <cstring>
#include <string>

#include "files/filetransaction.h"
#include "model/document.h"
#include "model/records.h"
#include "model/statustask.h"

// Appends values at(0) .. at(count - 1), each followed by the separator. One
// resize and inline copies: most values are empty or a few bytes, and a
// library call per value and separator would cost more than the bytes.
template <typename ValueAt>
void AppendFields(std::string& line, size_t count, ValueAt at)
{
    const std::string& separator = kFieldSeparator;
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

// The progress maximum of a writer: 38 steps per item and 15 for the rest.
int SavingProgressMaximum(size_t itemCount);

// Starts a document's file in a transaction, in the given encoding: the
// saving progress begun, the header lines written and 10 steps shown.
template <size_t N>
TStagedFile& BeginDocumentFile(TFileTransaction& files, const std::string& path, const TMenuDocument& document,
                               TTextEncoding encoding, TStatusTask& task, const std::array<const char*, N>& headerLines)
{
    TStagedFile& out = files.Create(path);
    out.SetEncoding(encoding);
    task.BeginWithProgress(SavingProgressMaximum(document.items.size()), kSavingDataHint);
    for (const char* line : headerLines)
        out.WriteLine(line);
    task.Step(10);
    return out;
}

// Value lines gathered into large writes, so each byte is copied once.
class TLineBatch {
public:
    explicit TLineBatch(TStagedFile& out) : out_(out) {}
    ~TLineBatch() = default;  // unflushed lines are dropped: a failed write commits nothing anyway

    // One line of `count` values, CR LF added.
    template <typename ValueAt>
    void Add(size_t count, ValueAt at)
    {
        AppendFields(text_, count, at);
        text_ += "\r\n";
        if (text_.size() >= kFlushSize)
            Flush();
    }
    void Add(const std::string* values, size_t count)
    {
        Add(count, [values](size_t i) -> const std::string& { return values[i]; });
    }
    void Flush()
    {
        out_.Write(text_);
        text_.clear();
    }

private:
    static constexpr size_t kFlushSize = size_t{1} << 20;
    TStagedFile& out_;
    std::string text_;
};
