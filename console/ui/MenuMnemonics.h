#pragma once
// Mnemonics of the main window's menus: within one menu every entry has a
// letter of its own, whatever the language. An entry keeps the letter its
// text marks with "&" unless an entry before it in the menu marks the same
// one; a clashing or missing mark moves to the first free letter or digit
// of the text, at the start of a word if one is free.

#include <QList>

class QAction;

namespace kx::ui {

void AssignUniqueMnemonics(const QList<QAction*>& entries);

}  // namespace kx::ui
