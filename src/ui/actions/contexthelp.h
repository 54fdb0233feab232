#pragma once
// F1: the help page of the part of the window that has the keyboard. Every
// group on a page has its help button; F1 anywhere in a group presses that
// group's, and elsewhere on a page the page's first.

class QWidget;

// False when the focus is on no page (the tree, say): the caller shows the
// help's index instead.
bool PressNearestHelpButton(QWidget* focused);
