#pragma once

#include <QHash>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

// The menu bar and the toolbar of the main window, built from one table. Every item and
// button carries its command tag and the component name the language files know it by.
struct TMainMenu {
    QHash<int, QAction*> items;       // by tag
    QHash<int, QToolButton*> buttons; // by tag
    QMenu* window = nullptr;          // "&Window": hidden, its commands still work
};

TMainMenu BuildMainMenu(QMainWindow* frame, QToolBar* toolbar);
