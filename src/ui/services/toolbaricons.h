#pragma once
// The tool bar's pictures: the desktop theme's icon where there is one, else
// a simple drawn picture, so the tool bar reads the same on a bare system.

#include <QIcon>

enum class TToolBarIcon { New, Open, Save, Insert, Delete, MoveUp, MoveDown, BuildHTML, Preview, Help };

QIcon ToolBarIcon(TToolBarIcon which);
