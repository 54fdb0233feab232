#pragma once
// The help page of a group or page, by its help tag: what a page's help
// button opens.

class THelpTopics {
public:
    virtual ~THelpTopics() = default;
    virtual void ShowHelpTopic(int tag) = 0;
};
