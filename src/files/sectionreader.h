#pragma once
// The reading discipline shared by the project and the structure file: whole
// lines compared exactly, "skip until a tag", and the line number of the
// current line for error messages.

#include <string>
#include <string_view>

#include "files/textfile.h"

class TSectionReader {
public:
    explicit TSectionReader(const std::string& path) : lines_(path) {}  // throws TFileError
    TSectionReader(TTextLineReader::FromBytes tag, std::string bytes) : lines_(tag, std::move(bytes)) {}

    // Makes the next line current; false at the end of the file.
    bool Next()
    {
        if (!lines_.ReadLine(line_))
            return false;
        ++lineNumber_;
        return true;
    }
    // Advances until the current line is `tag`, the current line counting
    // first; false when the file ends before.
    bool SkipUntil(std::string_view tag)
    {
        while (line_ != tag)
            if (!Next())
                return false;
        return true;
    }
    std::string_view Line() const { return line_; }
    bool LineEnded() const { return lines_.LineEnded(); }  // false: the file's last line, cut short
    size_t LinesLeft() const { return lines_.LinesLeft(); }
    int LineNumber() const { return lineNumber_; }  // 1-based, 0 before the first line
    TTextEncoding Encoding() const { return lines_.Encoding(); }

private:
    TTextLineReader lines_;
    std::string_view line_;
    int lineNumber_ = 0;
};
