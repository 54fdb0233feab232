#pragma once
// The page the live preview shows a bar or a sidebar in when the author has
// chosen no page of their own: a sample site with a header and some content,
// so that the menu's place in the flow of a page is plain. Only the preview
// shows it; a save writes the generated page as ever, and the menu code in
// the sample is that page's, byte for byte.

#include <QByteArray>
#include <string>

class TExtendedValues;

// The sample for the layout the values choose, with `menuCode` where an
// author would paste it: in the header for a bar (right after the header when
// the bar sticks to the top, as the help advises), in a side column for a
// sidebar. Empty for a floating menu, which shows on the generated page.
QByteArray LayoutSamplePage(const TExtendedValues& values, const QByteArray& menuCode);
