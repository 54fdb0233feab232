#pragma once
// What the editor benchmarks share: the menu a large site has, and the
// statistics they report.

#include <algorithm>
#include <string>
#include <vector>

#include "model/appletagent.h"

// Main items with two levels of submenus below them, as large sites have.
inline TMenuDocument SiteMenu(int items)
{
    TvarnAppletAgent agent;
    agent.ResetAppletToDefaults();
    TMenuDocument document = agent.Document();
    for (int i = 0; i < items; ++i) {
        TItemData item = NewDefaultItem();
        const int level = i % 25 == 0 ? 0 : (i % 5 == 0 ? 1 : 2);
        item[ICaption] = "Item " + std::to_string(i);
        item[pLevel] = std::to_string(i == 0 ? 0 : level);
        item[pURL] = "https://www.example.com/page" + std::to_string(i) + ".html";
        document.items.push_back(item);
    }
    return document;
}

// The value below which the share p of the runs lie (p = 1: the worst).
inline double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * values.size()))];
}

inline double Median(std::vector<double> values) { return Percentile(std::move(values), 0.5); }
