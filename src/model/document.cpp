#include "model/document.h"

const char* const kNowUtf8Hint =
    "The menu now holds characters Windows-1252 cannot store; it will be saved as UTF-8.";

TTextEncoding EffectiveEncoding(const TMenuDocument& document)
{
    return EncodingToWrite(document.encoding, [&](auto visit) {
        for (int i = 0; i < kAppletFieldCount; ++i) {
            if (IsCarriedByProjectFile(i) && !visit(document.applet[i]))
                return;
        }
        for (const TItemData& item : document.items) {
            for (const std::string& value : item.values) {
                if (!visit(value))
                    return;
            }
        }
        for (const TExtendedValue& entry : document.extended.Entries()) {
            if (!visit(entry.name) || !visit(entry.value))
                return;
        }
    });
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
