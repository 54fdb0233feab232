#include "model/document.h"

const char* const kNowUtf8Hint =
    "The menu now holds characters Windows-1252 cannot store; it will be saved as UTF-8.";

namespace {

template <typename Visit>
bool AllValues(const TMenuDocument& document, Visit fits)
{
    for (const std::string& value : document.applet.values) {
        if (!fits(value))
            return false;
    }
    for (const TItemData& item : document.items) {
        for (const std::string& value : item.values) {
            if (!fits(value))
                return false;
        }
    }
    return true;
}

}  // namespace

TTextEncoding EffectiveEncoding(const TMenuDocument& document)
{
    if (document.encoding == TTextEncoding::Utf8)
        return TTextEncoding::Utf8;
    const bool fits =
        AllValues(document, [](const std::string& value) { return FitsEncoding(value, TTextEncoding::Windows1252); });
    return fits ? TTextEncoding::Windows1252 : TTextEncoding::Utf8;
}

bool AdoptEncodingFor(TMenuDocument& document, const std::string& newValue)
{
    if (document.encoding == TTextEncoding::Utf8 || FitsEncoding(newValue, document.encoding))
        return false;
    document.encoding = TTextEncoding::Utf8;
    return true;
}

bool AdoptEncodingForAll(TMenuDocument& document)
{
    const TTextEncoding effective = EffectiveEncoding(document);
    if (effective == document.encoding)
        return false;
    document.encoding = effective;
    return true;
}
