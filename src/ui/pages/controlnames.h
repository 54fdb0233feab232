#pragma once
// The names a user knows a control by: the label beside it on its page, kept
// as the control's accessible name when the page is laid out, and the path
// "page > group > label" that messages use to point at it.

#include <QString>

class QTabWidget;
class QWidget;

// A label's text as part of a name: no mnemonic "&", no surrounding blanks,
// no closing ":" or ".".
QString CaptionText(const QString& labelText);

// Gives the control the name unless it has one of its own; an empty name
// changes nothing.
void NameControl(QWidget* control, const QString& name);
// Adds a label that follows the control ("Wait" ... "millisecond(s) before
// opening submenu") to its name.
void ExtendControlName(QWidget* control, const QString& following);

// What the user knows the control by: its name, else (a box alone in its
// group, as the item's caption) the group's caption; the objectName last.
QString ControlName(const QWidget* control);

// "Menu > Slide Effect > Slide Step": the caption of the tab that holds the
// control, the innermost group around it and the control's own name; parts
// that are missing are left out.
QString ControlPath(const QTabWidget& pages, const QWidget* control);
