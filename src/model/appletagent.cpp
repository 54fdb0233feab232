#include "model/appletagent.h"

TItemData TvarnAppletAgent::GetItem(int i) const
{
    return document_.items.at(static_cast<size_t>(i));
}

void TvarnAppletAgent::SetItem(int i, const TItemData& item)
{
    document_.items.at(static_cast<size_t>(i)) = item;
}

void TvarnAppletAgent::ResetAppletToDefaults()
{
    document_ = TMenuDocument();
}
