#pragma once

#include <vector>

class QAbstractItemView;
class QLineEdit;
class QTreeView;
class QWidget;

// How lists and fields look in every window, kept in one place.

// A list with alternating row colours whose cells, when their column cuts them short,
// show their whole text as a tool tip. Elsewhere the list's own hint shows. The list
// keeps room for a few rows however small its window.
void PolishList(QAbstractItemView* view);

// Columns that share the view's width in the proportions of `widths` (pixels at the
// view's font; 0 hides a column) and follow the view as it is resized. A view much
// narrower than their sum keeps three quarters of each and scrolls. Calling it again
// replaces the widths.
void StretchColumns(QTreeView* view, const std::vector<int>& widths);

// A one-line field at least wide enough for `characters` typical characters of its font
// (by default its maximum length), so what it holds is not cut off.
void FitToLength(QLineEdit* edit, int characters = -1);

// Read-only fields all look alike: the info background, which says "shown, not typed".
void ShowReadOnly(QWidget* field);
