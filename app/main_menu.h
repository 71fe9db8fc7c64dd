#pragma once

#include <array>

class QAction;
class QActionGroup;
class QMenuBar;

namespace vorlant {

// The main window's menu bar "MainMenu1": every item, named as the window's handlers expect.
// The starting lengths and the speeds are radio groups in which the marked item can be
// unmarked by choosing it again.
struct MainMenu
{
    // "Akce"
    QAction *Start1 = nullptr;
    QAction *Konec1 = nullptr; // "Výsledky"
    QAction *Archiv1 = nullptr;
    QAction *Konec2 = nullptr; // "Konec", Ctrl+X
    // "Nastavení"
    QAction *Przdn1 = nullptr;
    QAction *sla1 = nullptr;
    QAction *Abeceda1 = nullptr;
    QAction *Obrzky1 = nullptr;
    // "Výchozí počet ": the starting lengths 2 to 6, "4" marked
    std::array<QAction *, 5> startLengths{};
    QActionGroup *startLengthGroup = nullptr;
    // "Rychlost": the five speeds, fastest first, "Normální" marked
    std::array<QAction *, 5> speeds{};
    QActionGroup *speedGroup = nullptr;
    // "Help"
    QAction *Popis2 = nullptr;
    QAction *Oprogramu1 = nullptr;
};

// The interval of T1 in milliseconds for each item of MainMenu::speeds.
inline constexpr std::array<int, 5> kSpeedIntervalsMs{300, 400, 500, 600, 700};
inline constexpr int kDefaultSpeedIntervalMs = 500;

// The starting length for each item of MainMenu::startLengths.
inline constexpr std::array<int, 5> kStartLengths{2, 3, 4, 5, 6};

// Fills the menu bar; the actions belong to it.
MainMenu BuildMainMenu(QMenuBar &bar);

} // namespace vorlant
